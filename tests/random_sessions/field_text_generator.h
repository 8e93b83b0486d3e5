#pragma once

#include "random_source.h"

#include <string>
#include <string_view>

namespace kelvaro {

// Texts a user might put into an input field: ordinary numbers for the field,
// both decimal separators, blanks, signs, letters, the empty text, huge and
// tiny values with exponents, long texts, umlauts and other odd characters.
class FieldTextGenerator {
public:
    FieldTextGenerator(RandomSource& random, char separator)
        : random_(random), separator_(separator) {}

    // A whole text, as pasted over the field's text.
    std::string text(std::string_view field);
    // A few characters, as typed at the end of the field.
    std::string keys(std::string_view field);
    // An ordinary number for the field.
    std::string ordinary(std::string_view field);

private:
    std::string decimal(std::string_view field, char separator);
    std::string withBlanks(std::string_view field);
    std::string withSign(std::string_view field);
    std::string letters();
    std::string exponent();
    std::string longText();
    std::string umlauts();
    std::string oddity();
    std::string digits(int count);
    char otherSeparator() const { return separator_ == ',' ? '.' : ','; }

    RandomSource& random_;
    char separator_;
};

} // namespace kelvaro
