#pragma once
#include <set>
#include <string>
#include <vector>

// A command's words after its name: flags (--name), flags with a value
// (--name VALUE) and positional words, in any order.
struct Arguments {
    std::vector<std::string> positional;
    std::set<std::string> flags;
    std::vector<std::pair<std::string, std::string>> values;

    bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
    const std::string* Value(const std::string& name) const;
};

// False (with `error` set) on an unknown flag or a missing value.
bool ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& knownFlags,
                    const std::set<std::string>& knownValues, Arguments& out, std::string& error);

bool EndsWithNoCase(const std::string& text, const std::string& suffix);
