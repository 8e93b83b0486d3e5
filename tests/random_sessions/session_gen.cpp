#include "session_gen.h"

#include "calc/audio_bitrate.h"
#include "calc/disc_type.h"
#include "calc/form1.h"
#include "replay_runner.h"
#include "runtime/text_box.h"

#include <functional>
#include <numeric>

namespace kelvaro {

namespace {

namespace gen = rc::gen;
using rc::Gen;
using Kind = Move::Kind;
using Verb = SessionAction::Verb;
using Texts = std::vector<std::string>;

Texts typedFieldNames() {
    const Form1 form{NumberFormat()};
    Texts names;
    for (const TextBox* field : form.typedFields()) {
        names.push_back(field->name());
    }
    return names;
}

const Texts kUmlauts{"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß", "é", "€", "µ"};
const Texts kOddities{"\"",      "\\",      "inf", "nan", "-inf",  "Infinity", "NaN",
                      "0x1A",    "1 000",   "½",   "٣",   "\"9\"", "1e",       "--",
                      "1.000,5", "1,000.5", "-",   "+",   "-0",    "   "};
const Texts kExponents{"0",   "1",   "4",   "15",  "16",  "100", "300",
                       "307", "308", "309", "320", "324", "330", "400"};
// Averages on and beside the thresholds (3200, 2750, 1900, 1300), the cap,
// zero, the smallest plain text and beyond, and huge ones.
// clang-format off
const std::vector<double> kEdgeAverages{3200, 3200.9, 3201, 2750, 2749.99, 1900, 1300, 1299.9,
    9608, 9607.99, 0, 1e-4, 9.99999999999999e-5, 1e-5, -9999, -1e4, 1e14, 1e15};
// clang-format on

template <typename... Pieces> Gen<std::string> cat(Gen<Pieces>... pieces) {
    return gen::apply([](const Pieces&... p) { return (std::string() + ... + p); }, pieces...);
}

Gen<std::string> just(std::string text) {
    return gen::just(std::move(text));
}

Gen<std::string> number(int low, int high) {
    return gen::map(gen::inRange(low, high + 1), [](int n) { return std::to_string(n); });
}

// From least to most pieces, each drawn on its own.
Gen<std::string> repeat(int least, int most, Gen<std::string> piece) {
    return gen::mapcat(gen::inRange(least, most + 1), [piece](int count) {
        return gen::map(
            gen::container<Texts>(static_cast<std::size_t>(count), piece),
            [](const Texts& p) { return std::accumulate(p.begin(), p.end(), std::string()); });
    });
}

Gen<std::string> digits(int least, int most) {
    return repeat(least, most, number(0, 9));
}

Gen<std::string> letters() {
    const Gen<std::string> word =
        repeat(1, 4, gen::elementOf(Texts{"a", "b", "x", "E", "e", "O", "I", "l"}));
    return gen::weightedOneOf<std::string>({{3, word}, {2, cat(digits(1, 3), word)}});
}

// The locale's own separator twice as often as the other one.
Gen<std::string> separator(char own) {
    return gen::weightedElement<std::string>({{2, {own}}, {1, {own == ',' ? '.' : ','}}});
}

// The numbers a user mostly types into the field.
Gen<std::string> ordinary(const std::string& field) {
    if (field == "Text1") {
        return gen::weightedOneOf<std::string>(
            {{8, number(1, 960)}, {1, number(0, 999)}, {1, cat(just("0"), number(1, 99))}});
    }
    if (field == "Text9" || field == "Text15") {
        return gen::weightedOneOf<std::string>({{8, number(0, 8)}, {2, number(0, 100)}});
    }
    const auto [common, high] = field == "Text3"    ? std::pair{3500, 9000}
                                : field == "Text14" ? std::pair{100, 1000}
                                                    : std::pair{80, 300};
    return gen::weightedOneOf<std::string>(
        {{1, just(std::to_string(common))}, {4, number(0, high)}});
}

// Huge and tiny values, also beyond what a double holds.
Gen<std::string> exponent(char own) {
    const Gen<std::string> power =
        gen::weightedOneOf<std::string>({{7, gen::elementOf(kExponents)}, {3, number(0, 99999)}});
    return cat(gen::element<std::string>("", "", "-"), digits(1, 1),
               gen::weightedOneOf<std::string>({{3, just("")}, {2, separator(own)}}), digits(0, 8),
               gen::element<std::string>("E", "e"), gen::element<std::string>("", "+", "-"), power);
}

Gen<std::string> fieldText(const std::string& field, char own) {
    const Gen<std::string> fraction = digits(1, 6), sep = separator(own);
    return gen::weightedOneOf<std::string>(
        {{40, ordinary(field)},
         {15, gen::oneOf(cat(sep, fraction), cat(ordinary(field), sep),
                         cat(ordinary(field), sep, fraction))},
         {12, cat(gen::element<std::string>(" ", "   ", "-", "+", "+-", ""), ordinary(field),
                  gen::element<std::string>("", "", " ", "  "))},
         {5, letters()},
         {5, just("")},
         {7, exponent(own)},
         {4, cat(digits(1, 9), gen::oneOf(just(""), sep), digits(9, 290),
                 gen::weightedOneOf<std::string>({{4, just("")}, {1, letters()}}))},
         {4, repeat(1, 3, cat(gen::elementOf(kUmlauts), gen::element<std::string>("", "1")))},
         {4, gen::elementOf(kOddities)}});
}

// A few characters typed at the end of the field.
Gen<std::string> keys(const std::string& field, char own) {
    const Gen<std::string> key =
        gen::weightedOneOf<std::string>({{3, digits(1, 1)},
                                         {2, separator(own)},
                                         {1, gen::element<std::string>("-", "+", " ", "E", "a")},
                                         {1, gen::elementOf(kUmlauts)}});
    return gen::oneOf(repeat(1, 4, key),
                      gen::apply([](const std::string& text,
                                    int n) { return std::string(firstCharacters(text, n)); },
                                 fieldText(field, own), gen::inRange(1, 7)));
}

Gen<Move> with(Kind kind, Verb verb, std::string target, Gen<std::string> text = just(""),
               Gen<int> number = gen::just(0)) {
    return gen::apply(
        [=](std::string t, int n) {
            return Move{kind, {verb, target, t, n}};
        },
        text, number);
}

using TextGen = std::function<Gen<std::string>(const std::string& field)>;

// An action on a typed field, the playing time (the field with the most
// behaviour) a third of the time, with a text drawn for that field.
Gen<Move> onField(Kind kind, Verb verb, TextGen text, Gen<int> number = gen::just(0)) {
    static const Texts typed = typedFieldNames();
    const Texts others(typed.begin() + 1, typed.end());
    const Gen<std::string> field =
        gen::weightedOneOf<std::string>({{1, just(typed.front())}, {2, gen::elementOf(others)}});
    return gen::mapcat(
        field, [=](const std::string& name) { return with(kind, verb, name, text(name), number); });
}

// A list's text edited, to an item's own text or another: that chooses nothing.
template <typename Row, std::size_t N>
Gen<Move> edit(const std::string& list, const std::array<Row, N>& items, char own) {
    Texts texts;
    for (const Row& row : items) {
        texts.emplace_back(row.item);
    }
    return with(Kind::Action, Verb::Edit, list,
                gen::oneOf(gen::elementOf(texts), fieldText("Text1", own)));
}

Gen<Move> move(char own) {
    const auto& discs = kDiscTypes;
    const auto& rates = kAudioBitrates;
    const auto choose = [](const std::string& list, std::size_t items) {
        return with(Kind::Action, Verb::Choose, list, just(""), gen::inRange<int>(0, items));
    };
    return gen::weightedOneOf<Move>(
        {{220, onField(Kind::Action, Verb::Set,
                       [own](const std::string& f) { return fieldText(f, own); })},
         {220,
          onField(Kind::Action, Verb::Keys, [own](const std::string& f) { return keys(f, own); })},
         {300, onField(Kind::FixBadField, Verb::Set, ordinary)},
         {90, onField(
                  Kind::Action, Verb::Backspace, [](const std::string&) { return just(""); },
                  gen::weightedOneOf<int>({{1, gen::just(0)}, {19, gen::inRange(1, 5)}}))},
         {52, choose("Combo1", discs.size())},
         {39, choose("Combo2", rates.size())},
         {39, choose("Combo3", rates.size())},
         {9, edit("Combo1", discs, own)},
         {8, edit("Combo2", rates, own)},
         {8, edit("Combo3", rates, own)},
         {160, with(Kind::SlideAlong, Verb::Slide, "", just(""),
                    gen::weightedOneOf<int>(
                        {{1, gen::element(0, 1000, -1)}, {3, gen::inRange(0, 1001)}}))},
         {128, with(Kind::Action, Verb::Click, "Command1")},
         {13, with(Kind::VisitAbout, Verb::Click, "About.Command1")},
         {8, with(Kind::VisitAbout, Verb::Close, "About")},
         {1, with(Kind::Action, Verb::Click, "Command2")},
         {1, with(Kind::Action, Verb::Close, "Form1")},
         {40, gen::map(gen::elementOf(kEdgeAverages), [](double average) {
              return Move{Kind::ExtrasOnAnEdge, {}, average};
          })}});
}

} // namespace

Gen<Session> SessionGen::session() {
    return gen::mapcat(gen::element(',', '.'), [](char own) {
        return gen::map(gen::container<std::vector<Move>>(gen::resize(100, move(own))),
                        [own](std::vector<Move> moves) {
                            return Session{own, std::move(moves)};
                        });
    });
}

void showValue(const Session& session, std::ostream& os) {
    os << session.moves.size() << " moves with the decimal '" << session.separator << "'";
}

} // namespace kelvaro
