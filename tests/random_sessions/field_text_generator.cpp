#include "field_text_generator.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::array<std::string_view, 10> kUmlauts{"ä", "ö", "ü", "Ä", "Ö",
                                                    "Ü", "ß", "é", "€", "µ"};
constexpr std::array<std::string_view, 16> kOddities{
    "\"",    "\\",      "inf",     "nan", "-inf", "Infinity", "NaN", "0x1A",
    "1 000", "1.000,5", "1,000.5", "½",   "٣",    "\"9\"",    "1e",  "--"};
constexpr std::array<int, 14> kExponents{0,   1,   4,   15,  16,  100, 300,
                                         307, 308, 309, 320, 324, 330, 400};

// The first count characters of a UTF-8 text, never half a character.
std::string firstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;
        if (!continuation && seen++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

} // namespace

std::string FieldTextGenerator::text(std::string_view field) {
    constexpr std::array<int, 11> weights{40, 10, 5, 6, 6, 5, 5, 7, 4, 4, 4};
    switch (random_.weighted(weights)) {
    case 0:
        return ordinary(field);
    case 1:
        return decimal(field, separator_);
    case 2:
        return decimal(field, otherSeparator());
    case 3:
        return withBlanks(field);
    case 4:
        return withSign(field);
    case 5:
        return letters();
    case 6:
        return "";
    case 7:
        return exponent();
    case 8:
        return longText();
    case 9:
        return umlauts();
    default:
        return oddity();
    }
}

std::string FieldTextGenerator::keys(std::string_view field) {
    if (random_.percent(50)) {
        return firstCharacters(text(field), static_cast<std::size_t>(random_.between(1, 6)));
    }
    const std::array<std::string, 10> pool{digits(1),
                                           digits(1),
                                           digits(1),
                                           std::string(1, separator_),
                                           std::string(1, otherSeparator()),
                                           random_.percent(50) ? "-" : "+",
                                           " ",
                                           "E",
                                           letters().substr(0, 1),
                                           std::string(kUmlauts[random_.between(0, 9)])};
    std::string typed;
    for (int n = random_.between(1, 4); n > 0; --n) {
        typed += pool[static_cast<std::size_t>(random_.between(0, 9))];
    }
    return typed;
}

std::string FieldTextGenerator::ordinary(std::string_view field) {
    if (field == "Text1") {
        if (random_.percent(10)) {
            return "0" + std::to_string(random_.between(1, 99)); // a leading zero
        }
        return std::to_string(random_.percent(10) ? random_.between(0, 999)
                                                  : random_.between(1, 960));
    }
    if (field == "Text9" || field == "Text15") {
        return std::to_string(random_.percent(80) ? random_.between(0, 8)
                                                  : random_.between(0, 100));
    }
    if (field == "Text3") {
        return std::to_string(random_.percent(20) ? 3500 : random_.between(0, 9000));
    }
    if (field == "Text14") {
        return std::to_string(random_.percent(20) ? 100 : random_.between(0, 1000));
    }
    return std::to_string(random_.percent(30) ? 80 : random_.between(0, 300));
}

std::string FieldTextGenerator::decimal(std::string_view field, char separator) {
    const std::string whole = ordinary(field);
    const std::string fraction = digits(random_.between(1, 6));
    switch (random_.between(0, 3)) {
    case 0:
        return std::string(1, separator) + fraction;
    case 1:
        return whole + separator;
    default:
        return whole + separator + fraction;
    }
}

std::string FieldTextGenerator::withBlanks(std::string_view field) {
    const std::string blanks(static_cast<std::size_t>(random_.between(1, 3)), ' ');
    switch (random_.between(0, 3)) {
    case 0:
        return blanks + ordinary(field);
    case 1:
        return ordinary(field) + blanks;
    case 2:
        return blanks;
    default:
        return ordinary(field).insert(0, 1, ' ') + ' ';
    }
}

std::string FieldTextGenerator::withSign(std::string_view field) {
    switch (random_.between(0, 4)) {
    case 0:
        return "-" + ordinary(field);
    case 1:
        return "+" + ordinary(field);
    case 2:
        return random_.percent(50) ? "-" : "+";
    case 3:
        return "-0";
    default:
        return "+-" + ordinary(field);
    }
}

std::string FieldTextGenerator::letters() {
    constexpr std::string_view pool = "abcxyzEeOIl";
    std::string out;
    for (int n = random_.between(1, 4); n > 0; --n) {
        out += pool[static_cast<std::size_t>(random_.between(0, 10))];
    }
    if (random_.percent(40)) {
        out.insert(0, digits(random_.between(1, 3)));
    }
    return out;
}

std::string FieldTextGenerator::exponent() {
    std::string mantissa = digits(random_.between(1, 9));
    if (random_.percent(40)) {
        mantissa.insert(1, 1, separator_);
    }
    if (random_.percent(30)) {
        mantissa.insert(0, 1, '-');
    }
    std::string sign;
    const int roll = random_.between(0, 2);
    if (roll == 1) {
        sign = "+";
    } else if (roll == 2) {
        sign = "-";
    }
    const int power =
        random_.percent(70) ? kExponents[random_.between(0, 13)] : random_.between(0, 99999);
    return mantissa + (random_.percent(50) ? "E" : "e") + sign + std::to_string(power);
}

std::string FieldTextGenerator::longText() {
    std::string out = digits(random_.between(10, 300));
    if (random_.percent(50)) {
        out.insert(static_cast<std::size_t>(random_.between(1, 9)), 1, separator_);
    }
    if (random_.percent(20)) {
        out += letters();
    }
    return out;
}

std::string FieldTextGenerator::umlauts() {
    std::string out;
    for (int n = random_.between(1, 3); n > 0; --n) {
        out += kUmlauts[static_cast<std::size_t>(random_.between(0, 9))];
        if (random_.percent(50)) {
            out += digits(1);
        }
    }
    return out;
}

std::string FieldTextGenerator::oddity() {
    return std::string(kOddities[static_cast<std::size_t>(random_.between(0, 15))]);
}

std::string FieldTextGenerator::digits(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += static_cast<char>('0' + random_.between(0, 9));
    }
    return out;
}

} // namespace kelvaro
