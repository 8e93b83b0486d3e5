#include "session_generator.h"

#include <array>
#include <optional>
#include <string_view>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;

constexpr std::array<std::string_view, 6> kTypedFields{"Text1", "Text9",  "Text15",
                                                       "Text3", "Text14", "Text17"};

} // namespace

SessionAction SessionGenerator::next(const Program& program) {
    return program.form.window.visible() ? onForm1(program) : onAbout();
}

SessionAction SessionGenerator::onForm1(const Program& program) {
    // A user who sees a report mostly corrects the field soon.
    if (std::optional<std::string> bad = fieldWithoutNumber(program); bad && random_.percent(30)) {
        return {Verb::Set, *bad, texts_.ordinary(*bad)};
    }
    // set, keys, backspace, choose, edit, slide, click, close Form1, extras
    // that put the average on an edge
    constexpr std::array<int, 9> weights{220, 220, 90, 130, 25, 160, 150, 1, 40};
    switch (random_.weighted(weights)) {
    case 0:
        return fieldAction(Verb::Set);
    case 1:
        return fieldAction(Verb::Keys);
    case 2:
        return fieldAction(Verb::Backspace);
    case 3:
        return choice(program);
    case 4:
        return edit(program);
    case 5:
        return slide(program);
    case 6:
        return click();
    case 7:
        return {Verb::Close, "Form1"};
    default:
        return extrasOnAnEdge(program);
    }
}

// Extras that make the next calculation's average land on (or just beside)
// a threshold, the cap, zero, or the edges of what a result box can show.
// With huge audio sizes this also gives extras that cancel them exactly.
SessionAction SessionGenerator::extrasOnAnEdge(const Program& program) {
    constexpr std::array<double, 18> averages{3200,
                                              3200.9,
                                              3201,
                                              2750,
                                              2749.99,
                                              1900,
                                              1300,
                                              1299.9,
                                              9608,
                                              9607.99,
                                              0,
                                              1e-4,
                                              9.99999999999999e-5,
                                              1e-5,
                                              -9999,
                                              -10000,
                                              1e14,
                                              1e15};
    const Form1& f = program.form;
    const NumberFormat& n = f.numbers;
    const auto t1 = n.toDouble(f.minutes.text()), t9 = n.toDouble(f.audio1.count.text()),
               t11 = n.toDouble(f.audio1.kbPerSecond.text()),
               t15 = n.toDouble(f.audio2.count.text()),
               t16 = n.toDouble(f.audio2.kbPerSecond.text()), t10 = n.toDouble(f.capacityKb.text()),
               t14 = n.toDouble(f.subtitlesMb.text()), t17 = n.toDouble(f.overheadMb.text());
    if (!t1 || !t9 || !t11 || !t15 || !t16 || !t10 || !t14 || !t17) {
        return fieldAction(Verb::Set);
    }
    const double seconds = *t1 * 60;
    const double average = averages[static_cast<std::size_t>(random_.between(0, 17))];
    const double extras = (*t10 - seconds * *t9 * *t11 - seconds * *t15 * *t16 - *t14 * 512 -
                           *t17 * 1024 - average * seconds / 8) /
                          1024;
    return {Verb::Set, "Text3", n.toText(extras)};
}

std::optional<std::string> SessionGenerator::fieldWithoutNumber(const Program& program) {
    const Form1& f = program.form;
    for (const TextBox* field : {&f.minutes, &f.audio1.count, &f.audio2.count, &f.extrasMb,
                                 &f.subtitlesMb, &f.overheadMb}) {
        if (!f.numbers.toDouble(field->text())) {
            return field->name();
        }
    }
    return std::nullopt;
}

SessionAction SessionGenerator::onAbout() {
    if (random_.percent(65)) {
        return {Verb::Click, "About.Command1"};
    }
    return {Verb::Close, "About"};
}

SessionAction SessionGenerator::fieldAction(Verb verb) {
    // The playing time is the field with the most behaviour: it gets a third.
    const std::string field = random_.percent(34)
                                  ? std::string("Text1")
                                  : std::string(kTypedFields[random_.between(1, 5)]);
    SessionAction action{verb, field};
    if (verb == Verb::Set) {
        action.text = texts_.text(field);
    } else if (verb == Verb::Keys) {
        action.text = texts_.keys(field);
    } else {
        action.number = random_.percent(5) ? 0 : random_.between(1, 4);
    }
    return action;
}

SessionAction SessionGenerator::choice(const Program& program) {
    const ComboBox& combo =
        random_.percent(40)
            ? program.form.discType
            : (random_.percent(50) ? program.form.audio1.bitrate : program.form.audio2.bitrate);
    const int count = static_cast<int>(combo.items().size());
    return {Verb::Choose, combo.name(), "", random_.between(0, count - 1)};
}

SessionAction SessionGenerator::edit(const Program& program) {
    const Form1& f = program.form;
    const std::array<const ComboBox*, 3> combos{&f.discType, &f.audio1.bitrate, &f.audio2.bitrate};
    const ComboBox& combo = *combos[static_cast<std::size_t>(random_.between(0, 2))];
    SessionAction action{Verb::Edit, combo.name()};
    if (random_.percent(40)) {
        // An item's own text chooses nothing either.
        const int index = random_.between(0, static_cast<int>(combo.items().size()) - 1);
        action.text = combo.items()[static_cast<std::size_t>(index)].text;
    } else {
        action.text = texts_.text("Text1");
    }
    return action;
}

SessionAction SessionGenerator::slide(const Program& program) {
    const ScrollBar& slider = program.form.minutesSlider;
    int value = random_.between(slider.min(), slider.max());
    switch (random_.between(0, 9)) {
    case 0:
        value = slider.min();
        break;
    case 1:
        value = slider.max();
        break;
    case 2:
        value = slider.value(); // the value it already holds
        break;
    default:
        break;
    }
    return {Verb::Slide, "", "", value};
}

SessionAction SessionGenerator::click() {
    // Berechnen mostly, About now and then, Exit rarely.
    constexpr std::array<int, 3> weights{85, 14, 1};
    constexpr std::array<std::string_view, 3> buttons{"Command1", "Command3", "Command2"};
    return {Verb::Click, std::string(buttons[random_.weighted(weights)])};
}

} // namespace kelvaro
