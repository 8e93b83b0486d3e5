#include "field_text_gen.h"

#include "runtime/text_box.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace kelvaro {

namespace {

namespace gen = rc::gen;
using rc::Gen;
using Texts = std::vector<std::string>;

const Texts kUmlauts{"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß", "é", "€", "µ"};
const Texts kOddities{"\"",      "\\",      "inf", "nan", "-inf",  "Infinity", "NaN",
                      "0x1A",    "1 000",   "½",   "٣",   "\"9\"", "1e",       "--",
                      "1.000,5", "1,000.5", "-",   "+",   "-0",    "   "};
const Texts kExponents{"0",   "1",   "4",   "15",  "16",  "100", "300",
                       "307", "308", "309", "320", "324", "330", "400"};

// The numbers a user mostly types into a field: from low to high in weight
// tenths, else from 0 to otherHigh.
struct Ordinary {
    std::string_view field;
    int weight, low, high, otherHigh;
};
constexpr std::array<Ordinary, 6> kOrdinary{{{"Text1", 9, 1, 960, 999},
                                             {"Text9", 8, 0, 8, 100},
                                             {"Text15", 8, 0, 8, 100},
                                             {"Text3", 2, 3500, 3500, 9000},
                                             {"Text14", 2, 100, 100, 1000},
                                             {"Text17", 3, 80, 80, 300}}};

Gen<std::string> just(std::string text) {
    return gen::just(std::move(text));
}

template <typename... Parts> Gen<std::string> cat(Gen<Parts>... parts) {
    return gen::apply([](const Parts&... p) { return (std::string() + ... + p); }, parts...);
}

Gen<std::string> numberText(Gen<int> number) {
    return gen::map(number, [](int n) { return std::to_string(n); });
}

// From least to most pieces, each its own draw.
Gen<std::string> repeat(int least, int most, Gen<std::string> piece) {
    return gen::mapcat(gen::inRange(least, most + 1), [piece](int count) {
        return gen::map(gen::container<Texts>(static_cast<std::size_t>(count), piece),
                        [](const Texts& pieces) {
                            std::string out;
                            for (const std::string& p : pieces) {
                                out += p;
                            }
                            return out;
                        });
    });
}

Gen<std::string> digits(int least, int most) {
    return repeat(least, most, numberText(gen::inRange(0, 10)));
}

Gen<std::string> letters() {
    const Gen<std::string> word = repeat(1, 4,
                                         gen::map(gen::elementOf(std::string("abcxyzEeOIl")),
                                                  [](char c) { return std::string(1, c); }));
    return gen::weightedOneOf<std::string>({{6, word}, {4, cat(digits(1, 3), word)}});
}

// This locale's separator twice as often as the other one.
Gen<std::string> separator(char own) {
    const std::string other(1, own == ',' ? '.' : ',');
    return gen::weightedElement<std::string>({{2, std::string(1, own)}, {1, other}});
}

Gen<std::string> decimal(const std::string& field, char own) {
    const Gen<std::string> sep = separator(own), fraction = digits(1, 6);
    return gen::weightedOneOf<std::string>(
        {{1, cat(sep, fraction)},
         {1, cat(FieldTextGen::ordinary(field), sep)},
         {2, cat(FieldTextGen::ordinary(field), sep, fraction)}});
}

Gen<std::string> decorated(const std::string& field) {
    return cat(gen::element<std::string>(" ", "   ", "-", "+", "+-", ""),
               FieldTextGen::ordinary(field), gen::element<std::string>("", "", " ", "  "));
}

// Huge and tiny values, also beyond what a double holds.
Gen<std::string> exponent(char own) {
    const Gen<std::string> power = gen::weightedOneOf<std::string>(
        {{7, gen::elementOf(kExponents)}, {3, numberText(gen::inRange(0, 100000))}});
    return cat(gen::element<std::string>("", "", "-"), digits(1, 1),
               gen::weightedOneOf<std::string>({{3, just("")}, {2, separator(own)}}), digits(0, 8),
               gen::element<std::string>("E", "e"), gen::element<std::string>("", "+", "-"), power);
}

Gen<std::string> longText(char own) {
    return cat(digits(1, 9), gen::element(std::string(), std::string(1, own)), digits(9, 290),
               gen::weightedOneOf<std::string>({{4, just("")}, {1, letters()}}));
}

Gen<std::string> umlauts() {
    return repeat(1, 3,
                  cat(gen::elementOf(kUmlauts),
                      gen::weightedOneOf<std::string>({{1, just("")}, {1, digits(1, 1)}})));
}

} // namespace

Gen<std::string> FieldTextGen::ordinary(const std::string& field) {
    const Ordinary& o = *std::find_if(kOrdinary.begin(), kOrdinary.end(),
                                      [&](const Ordinary& row) { return row.field == field; });
    const Gen<std::string> number = numberText(gen::weightedOneOf<int>(
        {{static_cast<std::size_t>(o.weight), gen::inRange(o.low, o.high + 1)},
         {static_cast<std::size_t>(10 - o.weight), gen::inRange(0, o.otherHigh + 1)}}));
    if (field != "Text1") {
        return number;
    }
    // A leading zero now and then.
    return gen::weightedOneOf<std::string>(
        {{9, number}, {1, cat(just("0"), numberText(gen::inRange(1, 100)))}});
}

Gen<std::string> FieldTextGen::text(const std::string& field, char separator) {
    return gen::weightedOneOf<std::string>({{40, ordinary(field)},
                                            {15, decimal(field, separator)},
                                            {12, decorated(field)},
                                            {5, letters()},
                                            {5, just("")},
                                            {7, exponent(separator)},
                                            {4, longText(separator)},
                                            {4, umlauts()},
                                            {4, gen::elementOf(kOddities)}});
}

Gen<std::string> FieldTextGen::keys(const std::string& field, char own) {
    const Gen<std::string> beginning =
        gen::apply([](const std::string& text,
                      int count) { return std::string(firstCharacters(text, count)); },
                   text(field, own), gen::inRange(1, 7));
    const Gen<std::string> key = gen::weightedOneOf<std::string>(
        {{3, digits(1, 1)},
         {2, separator(own)},
         {1, gen::element<std::string>("-", "+", " ", "E")},
         {1, gen::map(letters(), [](const std::string& t) { return t.substr(0, 1); })},
         {1, gen::elementOf(kUmlauts)}});
    return gen::oneOf(beginning, repeat(1, 4, key));
}

} // namespace kelvaro
