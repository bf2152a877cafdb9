// Small handling files for tests, written in the test itself from a few record lines.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "handling/HandlingFile.h"

// A record line of 33 tokens with plausible values inside every field's bounds; `changes`
// replaces tokens by index.
inline std::string RecordLine(const std::string& identifier, const std::map<int, std::string>& changes = {}) {
    TRecordTokens tokens(std::vector<std::string>{
        identifier, "1500", "2.0", "4.5", "1.4", "0.0", "0.1", "-0.2", "75", "1.2", "0.8", "0.5",
        "5", "160", "25", "R", "P", "8", "0.55", "0", "35", "1.6", "0.12", "0.25", "0.7", "12000",
        "0.3", "-0.15", "0.5", "0.3", "4004", "1", "2"});
    for (const auto& [index, text] : changes) tokens.Put(index, text);
    return JoinRecordTokens(tokens);
}

// The lines joined with CR LF after each, as the file is written.
inline std::string HandlingText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
