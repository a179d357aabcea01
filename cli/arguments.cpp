#include "cli/arguments.h"

#include <cctype>

const std::string* Arguments::Value(const std::string& name) const {
    for (const auto& [key, value] : values) {
        if (key == name) return &value;
    }
    return nullptr;
}

bool ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& knownFlags,
                    const std::set<std::string>& knownValues, Arguments& out, std::string& error) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
            out.positional.push_back(word);
        } else if (knownFlags.count(word) != 0) {
            out.flags.insert(word);
        } else if (knownValues.count(word) != 0) {
            if (i + 1 >= words.size()) {
                error = word + " needs a value";
                return false;
            }
            out.values.emplace_back(word, words[++i]);
        } else {
            error = "unknown option " + word;
            return false;
        }
    }
    return true;
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(text[text.size() - suffix.size() + i]);
        const unsigned char b = static_cast<unsigned char>(suffix[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}
