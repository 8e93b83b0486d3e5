#include "script_reader.h"

namespace kelvaro {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads a quoted word starting after the opening quote; returns the position
// after the closing quote.
std::size_t readQuoted(const std::string& text, std::size_t i, std::string& word, int line) {
    while (i < text.size()) {
        const char c = text[i++];
        if (c == '"') {
            return i;
        }
        if (c == '\\') {
            if (i >= text.size() || (text[i] != '"' && text[i] != '\\')) {
                throw ScriptError(line, "only \\\" and \\\\ may follow a backslash");
            }
            word += text[i++];
        } else {
            word += c;
        }
    }
    throw ScriptError(line, "a quoted text is not closed");
}

} // namespace

std::vector<std::string> ScriptReader::splitWords(const std::string& text, int line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        std::string word;
        if (text[i] == '"') {
            i = readQuoted(text, i + 1, word, line);
            if (i < text.size() && !isBlank(text[i])) {
                throw ScriptError(line, "a quoted text must end its word");
            }
        } else {
            while (i < text.size() && !isBlank(text[i])) {
                if (text[i] == '"') {
                    throw ScriptError(line, "a quote inside a word");
                }
                word += text[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<ScriptCommand> ScriptReader::next() {
    std::string text;
    while (std::getline(in_, text)) {
        ++line_;
        const std::size_t first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos || text[first] == '#') {
            continue;
        }
        return ScriptCommand{line_, splitWords(text, line_)};
    }
    return std::nullopt;
}

} // namespace kelvaro
