// One step of the playing-time slider through the real windows on Qt's
// offscreen platform: the scroll bar's value is set as a drag sets it, the
// handlers run, the widgets take the results, and the pending paint events
// are processed. The slider sweeps back and forth over 1 to 960 minutes on
// the 8,5 GB disc, one minute a step.
//
// For the breakdown two more figures: the same step without processing the
// paint events, and the core's slider handler without windows.
#include "binding/gui.h"
#include "handlers/program.h"
#include "widgets/choice_list.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScrollBar>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

using kelvaro::Gui;
using kelvaro::NumberFormat;
using kelvaro::Program;

constexpr int kFirstMinute = 1;
constexpr int kLastMinute = 960;
constexpr int kDualLayerItem = 1;

// The next value of a sweep back and forth over the slider's range.
class Sweep {
public:
    int next() {
        if (value_ == kLastMinute) {
            step_ = -1;
        } else if (value_ == kFirstMinute) {
            step_ = 1;
        }
        value_ += step_;
        return value_;
    }

private:
    int value_ = 120;
    int step_ = 1;
};

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The program with its windows shown and the 8,5 GB disc chosen in the list,
// as the user chooses it.
class ShownProgram {
public:
    ShownProgram() : program_(NumberFormat(',')), gui_(program_) {
        gui_.start();
        settle();
        auto* discs = gui_.form1()->findChild<kelvaro::ChoiceList*>(QStringLiteral("Combo1"));
        discs->setCurrentIndex(kDualLayerItem);
        emit discs->activated(kDualLayerItem);
        settle();
        slider_ = gui_.form1()->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    }

    // Skips the benchmark when the dual-layer disc did not take.
    bool readyFor(benchmark::State& state) const {
        if (slider_ != nullptr && slider_->maximum() == kLastMinute) {
            return true;
        }
        state.SkipWithError("the 8,5 GB disc did not give the slider 960 minutes");
        return false;
    }
    QScrollBar& slider() { return *slider_; }
    Program& program() { return program_; }

private:
    Program program_;
    Gui gui_;
    QScrollBar* slider_ = nullptr;
};

void BM_SliderStep(benchmark::State& state) {
    ShownProgram shown;
    if (!shown.readyFor(state)) {
        return;
    }
    Sweep sweep;
    for (auto _ : state) {
        shown.slider().setValue(sweep.next());
        QCoreApplication::processEvents();
    }
    const char* average = shown.program().form.averageKbps.text().data();
    benchmark::DoNotOptimize(average);
}
BENCHMARK(BM_SliderStep)->UseRealTime();

void BM_SliderStepWithoutPaint(benchmark::State& state) {
    ShownProgram shown;
    if (!shown.readyFor(state)) {
        return;
    }
    Sweep sweep;
    for (auto _ : state) {
        shown.slider().setValue(sweep.next());
    }
    settle();
    const char* average = shown.program().form.averageKbps.text().data();
    benchmark::DoNotOptimize(average);
}
BENCHMARK(BM_SliderStepWithoutPaint)->UseRealTime();

void BM_SliderStepCoreOnly(benchmark::State& state) {
    Program program(NumberFormat(','));
    program.start();
    program.form.discType.choose(kDualLayerItem);
    Sweep sweep;
    for (auto _ : state) {
        program.form.minutesSlider.setValue(sweep.next());
    }
    const char* average = program.form.averageKbps.text().data();
    benchmark::DoNotOptimize(average);
}
BENCHMARK(BM_SliderStepCoreOnly);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
