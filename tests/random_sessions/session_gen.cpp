#include "session_gen.h"

#include "calc/audio_bitrate.h"
#include "calc/disc_type.h"
#include "runtime/text_box.h"

#include <array>
#include <functional>
#include <numeric>

namespace kelvaro {

namespace {

namespace gen = rc::gen;
using rc::Gen;
using Kind = Move::Kind;
using Texts = std::vector<std::string>;

// The fields the user types into, the playing time first.
const Texts kTyped{"Text1", "Text9", "Text15", "Text3", "Text14", "Text17"};
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

Gen<Move> with(Kind kind, std::string verb, std::string target, Gen<std::string> text = just(""),
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
Gen<Move> onField(Kind kind, std::string verb, TextGen text, Gen<int> number = gen::just(0)) {
    const Gen<std::string> field = gen::weightedOneOf<std::string>(
        {{1, just(kTyped[0])}, {2, gen::elementOf(Texts(kTyped.begin() + 1, kTyped.end()))}});
    return gen::mapcat(
        field, [=](const std::string& name) { return with(kind, verb, name, text(name), number); });
}

template <typename Row, std::size_t N> Texts itemTexts(const std::array<Row, N>& rows) {
    Texts texts;
    for (const Row& row : rows) {
        texts.emplace_back(row.item);
    }
    return texts;
}

Gen<Move> move(char own) {
    const Texts discs = itemTexts(kDiscTypes), rates = itemTexts(kAudioBitrates);
    // A choice, or now and then the list's text edited, to an item's own text
    // or another: that chooses nothing.
    const auto list = [own](const std::string& name, const Texts& items) {
        return gen::weightedOneOf<Move>(
            {{5, with(Kind::Action, "choose", name, just(""), gen::inRange<int>(0, items.size()))},
             {1, with(Kind::Action, "edit", name,
                      gen::oneOf(gen::elementOf(items), fieldText("Text1", own)))}});
    };
    return gen::weightedOneOf<Move>(
        {{220,
          onField(Kind::Action, "set", [own](const std::string& f) { return fieldText(f, own); })},
         {220, onField(Kind::Action, "keys", [own](const std::string& f) { return keys(f, own); })},
         {300, onField(Kind::FixBadField, "set", ordinary)},
         {90, onField(
                  Kind::Action, "backspace", [](const std::string&) { return just(""); },
                  gen::weightedOneOf<int>({{1, gen::just(0)}, {19, gen::inRange(1, 5)}}))},
         {61, list("Combo1", discs)},
         {47, list("Combo2", rates)},
         {47, list("Combo3", rates)},
         {160, with(Kind::SlideAlong, "slide", "", just(""),
                    gen::weightedOneOf<int>(
                        {{1, gen::element(0, 1000, -1)}, {3, gen::inRange(0, 1001)}}))},
         {128, with(Kind::Action, "click", "Command1")},
         {13, with(Kind::VisitAbout, "click", "About.Command1")},
         {8, with(Kind::VisitAbout, "close", "About")},
         {1, with(Kind::Action, "click", "Command2")},
         {1, with(Kind::Action, "close", "Form1")},
         {40, gen::map(gen::elementOf(kEdgeAverages), [](double average) {
              return Move{Kind::ExtrasOnAnEdge, {}, average};
          })}});
}

} // namespace

Gen<Session> sessions() {
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
