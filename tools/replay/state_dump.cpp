#include "replay_backend.h"

#include "runtime/continuation_byte.h"

#include <cstdio>

namespace kelvaro {

namespace {

std::string flag(bool value) {
    return value ? "1" : "0";
}

std::string twips(double width) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", width);
    return buffer;
}

void addLists(StateDump& out, const Form1& f, const ControlReader& read) {
    for (const ComboBox* list : {&f.discType, &f.audio1.bitrate, &f.audio2.bitrate}) {
        out.emplace_back(list->name() + ".ListIndex", std::to_string(read.listIndex(*list)));
        out.emplace_back(list->name() + ".Text", read.listText(*list));
    }
}

void addFields(StateDump& out, const Form1& f, const ControlReader& read) {
    for (const TextBox* box :
         {&f.audio1.count, &f.audio1.kbPerSecond, &f.audio2.count, &f.audio2.kbPerSecond,
          &f.capacityKb, &f.extrasMb, &f.subtitlesMb, &f.overheadMb, &f.seconds, &f.audio1.sizeKb,
          &f.audio2.sizeKb, &f.videoKb, &f.averageKbps, &f.minimumKbps, &f.maximumKbps}) {
        out.emplace_back(box->name(), read.boxText(*box));
    }
    for (const Label* label :
         {&f.resolution, &f.videoMb, &f.audio1.sizeMb, &f.audio2.sizeMb, &f.videoAndAudioMb}) {
        out.emplace_back(label->name(), read.caption(*label));
    }
}

void addBars(StateDump& out, const Form1& f, const ControlReader& read) {
    for (std::size_t disc = 0; disc < kDiscTypes.size(); ++disc) {
        for (const Shape* bar : f.barSet(disc)) {
            out.emplace_back(bar->name() + ".Width", twips(read.barWidth(*bar)));
            out.emplace_back(bar->name() + ".Visible", flag(read.barShown(*bar)));
        }
    }
}

} // namespace

StateDump dumpOf(const Program& program, const ControlReader& read) {
    const Form1& f = program.form;
    const ScrollBar& slider = f.minutesSlider;
    StateDump out{
        {f.window.name() + ".Visible", flag(read.windowShown(f.window))},
        {program.about.name() + ".Visible", flag(read.windowShown(program.about))},
        {f.minutes.name(), read.boxText(f.minutes)},
        {slider.name() + ".Value", std::to_string(read.sliderValue(slider))},
        {slider.name() + ".Max", std::to_string(read.sliderMax(slider))},
    };
    addLists(out, f, read);
    addFields(out, f, read);
    addBars(out, f, read);
    return out;
}

std::vector<std::string> charactersOf(const std::string& text) {
    std::vector<std::string> characters;
    for (char c : text) {
        if (isContinuationByte(c) && !characters.empty()) {
            characters.back() += c;
        } else {
            characters.emplace_back(1, c);
        }
    }
    return characters;
}

} // namespace kelvaro
