#pragma once

#include <rapidcheck.h>

#include <ostream>
#include <string>
#include <vector>

namespace kelvaro {

// One user action, as a line of a replay script states it.
struct SessionAction {
    std::string verb = "click"; // set, keys, backspace, choose, edit, slide, click or close
    std::string target{};       // field, list, button or window; empty for a slide
    std::string text{};         // for set, keys and edit
    int number = 0;             // backspace count, list index or slider value
};

// One thing a user does in a session. Most moves are an action as it stands;
// the others are worked out from the program's state when they are made.
struct Move {
    enum class Kind {
        Action,         // the action as it stands
        FixBadField,    // the action's text into the first field that holds
                        // no number, else into its target
        ExtrasOnAnEdge, // extras that put the average on `average`, then Command1
        SlideAlong,     // the slider to action.number per mille of its range,
                        // or for -1 to the value it holds
        VisitAbout,     // click Command3, then the action closes About
    };

    Kind kind = Kind::Action;
    SessionAction action{};
    double average = 0;
};

// A session: the locale by its decimal separator, and the moves.
struct Session {
    char separator = ',';
    std::vector<Move> moves;
};

// Random sessions of what a user does: type into the fields (ordinary
// numbers for the field, both decimal separators, blanks and signs, letters,
// the empty text, huge and tiny values with exponents, long texts, umlauts
// and other odd characters), choose from the lists, edit a list's text, move
// the slider over its whole range, click the buttons, open and close About,
// and now and then end the program. A session has up to RapidCheck's size in
// moves.
rc::Gen<Session> sessions();

void showValue(const Session& session, std::ostream& os);

} // namespace kelvaro
