#include "replay_backend.h"

#include "runtime/continuation_byte.h"

#include <cstdio>

namespace kelvaro {

namespace {

std::string flag(bool value) {
    return value ? "1" : "0";
}

std::string twips(float width) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(width));
    return buffer;
}

} // namespace

StateDump dumpOf(const Program& program) {
    const Form1& f = program.form;
    StateDump out{
        {"Form1.Visible", flag(f.window.visible())},
        {"About.Visible", flag(program.about.visible())},
        {"Text1", f.minutes.text()},
        {"HScroll1.Value", std::to_string(f.minutesSlider.value())},
        {"HScroll1.Max", std::to_string(f.minutesSlider.max())},
    };
    for (const ComboBox* combo : {&f.discType, &f.audio1.bitrate, &f.audio2.bitrate}) {
        out.emplace_back(combo->name() + ".ListIndex", std::to_string(combo->listIndex()));
        out.emplace_back(combo->name() + ".Text", combo->text());
    }
    for (const TextBox* box :
         {&f.audio1.count, &f.audio1.kbPerSecond, &f.audio2.count, &f.audio2.kbPerSecond,
          &f.capacityKb, &f.extrasMb, &f.subtitlesMb, &f.overheadMb, &f.seconds, &f.audio1.sizeKb,
          &f.audio2.sizeKb, &f.videoKb, &f.averageKbps, &f.minimumKbps, &f.maximumKbps}) {
        out.emplace_back(box->name(), box->text());
    }
    for (const Label* label :
         {&f.resolution, &f.videoMb, &f.audio1.sizeMb, &f.audio2.sizeMb, &f.videoAndAudioMb}) {
        out.emplace_back(label->name(), label->caption());
    }
    for (const Shape* shape : {&f.videoBars[0], &f.audio1.bars[0], &f.audio2.bars[0],
                               &f.videoBars[1], &f.audio1.bars[1], &f.audio2.bars[1]}) {
        out.emplace_back(shape->name() + ".Width", twips(shape->width()));
        out.emplace_back(shape->name() + ".Visible", flag(shape->visible()));
    }
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
