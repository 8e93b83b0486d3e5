#include "session_gen.h"

#include "field_text_gen.h"
#include "handlers/option_lists.h"
#include "replay_runner.h"

#include <functional>
#include <span>
#include <string>

namespace kelvaro {

namespace {

namespace gen = rc::gen;
using rc::Gen;
using Kind = Move::Kind;
using Verb = SessionAction::Verb;

// Averages on and beside the thresholds (3200, 2750, 1900, 1300), the cap,
// zero, the smallest plain text and beyond, and huge ones.
const std::vector<double> kEdgeAverages{3200,
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

Gen<Move> plain(Gen<SessionAction> action) {
    return gen::map(action, [](SessionAction a) { return Move{Kind::Action, std::move(a)}; });
}

Gen<Move> of(Kind kind, Gen<SessionAction> action) {
    return gen::map(action, [kind](SessionAction a) { return Move{kind, std::move(a)}; });
}

// The playing time is the field with the most behaviour: it gets a third.
Gen<std::string> typedField() {
    const std::vector<std::string> others(ReplayRunner::kTypedFields.begin() + 1,
                                          ReplayRunner::kTypedFields.end());
    return gen::weightedOneOf<std::string>(
        {{34, gen::just(std::string(ReplayRunner::kTypedFields.front()))},
         {66, gen::elementOf(others)}});
}

using TextGen = std::function<Gen<std::string>(const std::string& field)>;

// An action on a typed field with a text drawn for that field.
Gen<SessionAction> onField(Verb verb, TextGen text) {
    return gen::mapcat(typedField(), [=](const std::string& field) {
        return gen::map(text(field), [=](std::string t) {
            return SessionAction{verb, field, std::move(t)};
        });
    });
}

Gen<SessionAction> backspace() {
    return gen::apply(
        [](const std::string& field, int count) {
            return SessionAction{Verb::Backspace, field, "", count};
        },
        typedField(), gen::weightedOneOf<int>({{1, gen::just(0)}, {19, gen::inRange(1, 5)}}));
}

Gen<SessionAction> choose(const char* list, std::size_t items) {
    return gen::map(gen::inRange<int>(0, static_cast<int>(items)), [list](int index) {
        return SessionAction{Verb::Choose, list, "", index};
    });
}

// A list's text edited, also to an item's own text: that chooses nothing.
Gen<SessionAction> edit(char separator) {
    const auto items = [separator](std::span<const OptionLists::Option> options) {
        std::vector<std::string> texts;
        for (const OptionLists::Option& option : options) {
            texts.emplace_back(option.text);
        }
        return gen::weightedOneOf<std::string>(
            {{2, gen::elementOf(texts)}, {3, FieldTextGen::text("Text1", separator)}});
    };
    const auto on = [](const char* list, Gen<std::string> text) {
        return gen::map(text, [list](std::string t) {
            return SessionAction{Verb::Edit, list, std::move(t)};
        });
    };
    return gen::oneOf(on("Combo1", items(OptionLists::discTypes())),
                      on("Combo2", items(OptionLists::audioBitrates())),
                      on("Combo3", items(OptionLists::audioBitrates())));
}

Gen<SessionAction> slide() {
    return gen::map(gen::weightedOneOf<int>({{1, gen::just(0)},
                                             {1, gen::just(1000)},
                                             {1, gen::just(-1)},
                                             {7, gen::inRange(0, 1001)}}),
                    [](int perMille) {
                        return SessionAction{Verb::Slide, "", "", perMille};
                    });
}

Gen<SessionAction> action(Verb verb, const char* target) {
    return gen::just(SessionAction{verb, target});
}

} // namespace

Gen<Move> SessionGen::move(char separator) {
    const Gen<Move> extras = gen::map(gen::elementOf(kEdgeAverages), [](double average) {
        return Move{Kind::ExtrasOnAnEdge, {}, average};
    });
    const std::size_t audioItems = OptionLists::audioBitrates().size();
    const TextGen text = [separator](const std::string& f) {
        return FieldTextGen::text(f, separator);
    };
    const TextGen keys = [separator](const std::string& f) {
        return FieldTextGen::keys(f, separator);
    };
    return gen::weightedOneOf<Move>(
        {{220, plain(onField(Verb::Set, text))},
         {220, plain(onField(Verb::Keys, keys))},
         {300, of(Kind::FixBadField, onField(Verb::Set, &FieldTextGen::ordinary))},
         {90, plain(backspace())},
         {52, plain(choose("Combo1", OptionLists::discTypes().size()))},
         {39, plain(choose("Combo2", audioItems))},
         {39, plain(choose("Combo3", audioItems))},
         {25, plain(edit(separator))},
         {160, of(Kind::SlideAlong, slide())},
         {128, plain(action(Verb::Click, "Command1"))},
         {13, of(Kind::VisitAbout, action(Verb::Click, "About.Command1"))},
         {8, of(Kind::VisitAbout, action(Verb::Close, "About"))},
         {1, plain(action(Verb::Click, "Command2"))},
         {1, plain(action(Verb::Close, "Form1"))},
         {40, extras}});
}

Gen<Session> SessionGen::session() {
    return gen::mapcat(gen::element(',', '.'), [](char separator) {
        return gen::map(gen::container<std::vector<Move>>(gen::resize(100, move(separator))),
                        [separator](std::vector<Move> moves) {
                            return Session{separator, std::move(moves)};
                        });
    });
}

void showValue(const Session& session, std::ostream& os) {
    os << session.moves.size() << " moves with the decimal '" << session.separator << "'";
}

} // namespace kelvaro
