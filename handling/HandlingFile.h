// The handling file as lines: comment lines, sections, record names, and a record line's
// 33 tokens, split and joined. Nothing here parses the file as a whole.
#pragma once

#include <functional>
#include <string>

#include "platform/TextList.h"

// Every line of the handling file, in file order; lines are replaced in place, never
// inserted or removed.
using THandlingFile = TStringList;

// The 33 texts of one record line, indexed 0 to 32.
using TRecordTokens = TStringList;

inline constexpr int RecordTokenCount = 33;

// Only the very first character counts: " ;" starts a record line.
bool IsCommentLine(const std::string& line);

// Line index of the first line of section `section` (0 = after the first comment block).
// EStringListError when the scan runs past the last line.
int FindSectionStart(const THandlingFile& lines, int section);

// Hands every line from `first` up to the next comment line to `take`, in order. When no
// comment line follows, every line has been taken before the EStringListError comes.
void WalkSectionLines(const THandlingFile& lines, int first,
                      const std::function<void(const std::string&)>& take);

// The text before the first blank (space or TAB) within the first 14 characters;
// otherwise the first 14 characters.
std::string GetRecordName(const std::string& line);

// Always exactly 33 tokens: runs of blanks separate, missing tokens are empty, and what
// follows the 33rd token is dropped.
TRecordTokens SplitRecordLine(const std::string& line);

// The tokens joined by one space each, unchanged.
std::string JoinRecordTokens(const TRecordTokens& tokens);

std::string HandlingFilePath(const std::string& gameFolder);
std::string HandlingBackupPath(const std::string& gameFolder);

// Writes the lines to the handling file of the game folder in line 0 of settingsLines.
// EStringListError without that line, EFileError when the file cannot be written; the file
// on disk is then as it was.
void SaveHandlingLines(const THandlingFile& lines, const TStringList& settingsLines);
