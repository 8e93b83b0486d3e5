#pragma once

#include <rapidcheck.h>

#include <string>

namespace kelvaro {

// Texts a user might put into an input field: ordinary numbers for the field,
// both decimal separators, blanks and signs around a number, letters, the
// empty text, huge and tiny values with exponents, long texts, umlauts and
// other odd characters.
class FieldTextGen {
public:
    // A whole text, as pasted over the field's text.
    static rc::Gen<std::string> text(const std::string& field, char separator);
    // A few characters, as typed at the end of the field.
    static rc::Gen<std::string> keys(const std::string& field, char separator);
    // An ordinary number for the field.
    static rc::Gen<std::string> ordinary(const std::string& field);
};

} // namespace kelvaro
