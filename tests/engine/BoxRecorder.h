#pragma once

#include "engine/modBazelot.h"

#include <doctest/doctest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Records every failure box instead of showing it.
struct BoxRecorder {
    std::vector<std::pair<std::string, std::string>> boxes;

    modBazelot::ShowMessage callback() {
        return [this](const std::string& title, const std::string& prompt) {
            boxes.emplace_back(title, prompt);
        };
    }

    // The last line of each prompt ("Overflow #6"), which is what tells the failures apart.
    std::vector<std::string> lastLines() const {
        std::vector<std::string> lines;
        for (const auto& [title, prompt] : boxes) {
            const auto lineBreak = prompt.rfind("\r\n");
            lines.push_back(lineBreak == std::string::npos ? prompt : prompt.substr(lineBreak + 2));
        }
        return lines;
    }
};

// Readable failure messages for what the engine's tables compare.
namespace doctest {
template <>
struct StringMaker<std::vector<std::string>> {
    static String convert(const std::vector<std::string>& lines) {
        std::string text = "{";
        for (const auto& line : lines)
            text += (text.size() > 1 ? ", \"" : "\"") + line + '"';
        return (text + '}').c_str();
    }
};
template <>
struct StringMaker<std::optional<std::string>> {
    static String convert(const std::optional<std::string>& value) {
        return value ? ('"' + *value + '"').c_str() : "nothing";
    }
};
} // namespace doctest
