#pragma once

#include "field_text_generator.h"
#include "handlers/program.h"
#include "random_source.h"
#include "session_action.h"

#include <optional>
#include <string>

namespace kelvaro {

// Chooses the next action of a random session from what the user can do in
// the program's present state: type into the fields, choose from the lists,
// edit a list's text, move the slider over its whole range, click the
// buttons, open and close About, and now and then end the program.
class SessionGenerator {
public:
    SessionGenerator(RandomSource& random, char separator)
        : random_(random), texts_(random, separator) {}

    SessionAction next(const Program& program);

private:
    SessionAction onForm1(const Program& program);
    SessionAction onAbout();
    static std::optional<std::string> fieldWithoutNumber(const Program& program);
    SessionAction fieldAction(SessionAction::Verb verb);
    SessionAction choice(const Program& program);
    SessionAction edit(const Program& program);
    SessionAction slide(const Program& program);
    SessionAction extrasOnAnEdge(const Program& program);
    SessionAction click();

    RandomSource& random_;
    FieldTextGenerator texts_;
};

} // namespace kelvaro
