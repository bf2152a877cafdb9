// The handling file as lines: finding sections, naming records and splitting record lines.
#include "handling/HandlingFile.h"

#include <cstddef>

#include "platform/SysUtils.h"

namespace {

constexpr std::size_t RecordNameLength = 14;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(const std::string& line, std::size_t at) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    return at;
}

std::size_t SkipToken(const std::string& line, std::size_t at) {
    while (at < line.size() && !IsBlank(line[at])) ++at;
    return at;
}

}  // namespace

bool IsCommentLine(const std::string& line) { return !line.empty() && line.front() == ';'; }

// Every line is read through Get, so running off the end raises the list's own error
// instead of being treated as an empty section.
int FindSectionStart(const THandlingFile& lines, int section) {
    int index = 0;
    for (int block = 0; block <= section; ++block) {
        while (!IsCommentLine(lines.Get(index))) ++index;
        while (IsCommentLine(lines.Get(index))) ++index;
    }
    return index;
}

void WalkSectionLines(const THandlingFile& lines, int first,
                      const std::function<void(const std::string&)>& take) {
    for (int index = first; !IsCommentLine(lines.Get(index)); ++index) take(lines.Get(index));
}

std::string GetRecordName(const std::string& line) {
    const std::size_t limit = line.size() < RecordNameLength ? line.size() : RecordNameLength;
    std::size_t end = 0;
    while (end < limit && !IsBlank(line[end])) ++end;
    return line.substr(0, end);
}

TRecordTokens SplitRecordLine(const std::string& line) {
    TRecordTokens tokens;
    std::size_t at = 0;
    for (int count = 0; count < RecordTokenCount; ++count) {
        const std::size_t start = SkipBlanks(line, at);
        at = SkipToken(line, start);
        tokens.Add(line.substr(start, at - start));
    }
    return tokens;
}

std::string JoinRecordTokens(const TRecordTokens& tokens) {
    std::string joined;
    for (int index = 0; index < tokens.Count(); ++index) {
        if (index > 0) joined += ' ';
        joined += tokens.Get(index);
    }
    return joined;
}

std::string HandlingFilePath(const std::string& gameFolder) {
    return gameFolder + PathDelim + "data" + PathDelim + "handling.cfg";
}

std::string HandlingBackupPath(const std::string& gameFolder) {
    return HandlingFilePath(gameFolder) + ".bak";
}

void SaveHandlingLines(const THandlingFile& lines, const TStringList& settingsLines) {
    lines.SaveToFile(HandlingFilePath(settingsLines.Get(0)));
}
