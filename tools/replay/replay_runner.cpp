#include "replay_runner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace kelvaro {

namespace {

constexpr std::array<std::string_view, 3> kForm1Buttons{"Command1", "Command2", "Command3"};

bool contains(const std::array<std::string_view, 3>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool typedInto(const Form1& form, const std::string& name) {
    return std::ranges::any_of(form.typedFields(),
                               [&name](const TextBox* field) { return field->name() == name; });
}

} // namespace

ReplayRunner::ReplayRunner(ReplayBackend& backend, std::ostream& out)
    : backend_(backend), out_(out) {
    Program& program = backend_.program();
    program.form.reports.onReport([this](const Report& report) {
        out_ << "! error";
        if (report.fields.empty()) {
            out_ << ' ' << ReportChannel::kCalculation;
        }
        for (const std::string& field : report.fields) {
            out_ << ' ' << field;
        }
        out_ << '\n';
    });
    program.lifeCycle.programEnded.connect([this] {
        out_ << "ended\n";
        ended_ = true;
    });
}

void ReplayRunner::run(std::istream& script) {
    ScriptReader reader(script);
    while (!ended_) {
        std::optional<ScriptCommand> command = reader.next();
        if (!command) {
            break;
        }
        execute(*command);
    }
    out_.flush();
}

void ReplayRunner::execute(const ScriptCommand& command) {
    const std::string& verb = command.words.front();
    if (verb == "set" || verb == "keys" || verb == "backspace") {
        fieldCommand(command);
    } else if (verb == "choose" || verb == "edit") {
        comboCommand(command);
    } else if (verb == "slide") {
        slide(command);
    } else if (verb == "click") {
        click(command);
    } else if (verb == "close") {
        close(command);
    } else if (verb == "dump") {
        dump(command);
    } else {
        throw ScriptError(command.line, "unknown command '" + verb + "'");
    }
}

void ReplayRunner::fieldCommand(const ScriptCommand& command) {
    const std::string& verb = command.words[0];
    requireWords(command, 2, 3);
    const std::string& field = command.words[1];
    if (!typedInto(backend_.program().form, field)) {
        throw ScriptError(command.line, "no field '" + field + "' to type into");
    }
    requireShown(backend_.program().form.window, command);
    if (verb == "backspace") {
        const int times = command.words.size() == 3 ? wholeNumber(command.words[2], command) : 1;
        if (times < 0) {
            throw ScriptError(command.line, "a negative count");
        }
        backend_.backspace(field, times);
        return;
    }
    requireWords(command, 3, 3);
    if (verb == "set") {
        backend_.set(field, command.words[2]);
    } else {
        backend_.keys(field, command.words[2]);
    }
}

void ReplayRunner::comboCommand(const ScriptCommand& command) {
    requireWords(command, 3, 3);
    const std::string& name = command.words[1];
    Program& program = backend_.program();
    if (program.form.comboBox(name) == nullptr) {
        throw ScriptError(command.line, "no list '" + name + "'");
    }
    requireShown(program.form.window, command);
    if (command.words[0] == "edit") {
        backend_.edit(name, command.words[2]);
        return;
    }
    const int index = wholeNumber(command.words[2], command);
    const auto count = static_cast<int>(program.form.comboBox(name)->items().size());
    if (index < 0 || index >= count) {
        throw ScriptError(command.line, name + " has no item " + command.words[2]);
    }
    backend_.choose(name, index);
}

void ReplayRunner::slide(const ScriptCommand& command) {
    requireWords(command, 2, 2);
    const ScrollBar& slider = backend_.program().form.minutesSlider;
    requireShown(backend_.program().form.window, command);
    const int value = wholeNumber(command.words[1], command);
    if (!slider.accepts(value)) {
        throw ScriptError(command.line, "the slider goes from " + std::to_string(slider.min()) +
                                            " to " + std::to_string(slider.max()));
    }
    backend_.slide(value);
}

void ReplayRunner::click(const ScriptCommand& command) {
    requireWords(command, 2, 2);
    const std::string& button = command.words[1];
    Program& program = backend_.program();
    if (contains(kForm1Buttons, button)) {
        requireShown(program.form.window, command);
    } else if (button == "About.Command1") {
        requireShown(program.about, command);
    } else {
        throw ScriptError(command.line, "no button '" + button + "'");
    }
    backend_.click(button);
}

void ReplayRunner::close(const ScriptCommand& command) {
    requireWords(command, 2, 2);
    const std::string& window = command.words[1];
    Program& program = backend_.program();
    if (window == "Form1") {
        requireShown(program.form.window, command);
    } else if (window == "About") {
        requireShown(program.about, command);
    } else {
        throw ScriptError(command.line, "no window '" + window + "'");
    }
    backend_.close(window);
}

void ReplayRunner::dump(const ScriptCommand& command) {
    requireWords(command, 1, 1);
    for (const auto& [name, value] : backend_.dump()) {
        out_ << name << '=' << value << '\n';
    }
}

void ReplayRunner::requireShown(const Window& window, const ScriptCommand& command) const {
    if (!window.visible()) {
        throw ScriptError(command.line, window.name() + " is not shown");
    }
}

void ReplayRunner::requireWords(const ScriptCommand& command, std::size_t min,
                                std::size_t max) const {
    const std::size_t n = command.words.size();
    if (n < min || n > max) {
        throw ScriptError(command.line, "wrong number of words for '" + command.words[0] + "'");
    }
}

int ReplayRunner::wholeNumber(const std::string& word, const ScriptCommand& command) const {
    int value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc{} || ptr != end) {
        throw ScriptError(command.line, "'" + word + "' is not a whole number");
    }
    return value;
}

} // namespace kelvaro
