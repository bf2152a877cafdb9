// Fuzzes the section scan on a handling file made from the bytes: finding sections 0 to 5
// and walking their lines fail with nothing but the text list's index error, and a walk
// hands over exactly the lines up to the next comment line, in order.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "handling/HandlingFile.h"
#include "fuzz/FuzzProperties.h"
#include "platform/SysUtils.h"

namespace {

void CheckSectionStart(const THandlingFile& lines, int start) {
    Require(start > 0 && start < lines.Count(), "a section starts on a line of the file after a comment");
    Require(!IsCommentLine(lines.Get(start)), "a section starts on a line that is no comment");
    Require(IsCommentLine(lines.Get(start - 1)), "a section starts right after a comment line");
}

void WalkSection(const THandlingFile& lines, int section) {
    int start = -1;
    try {
        start = FindSectionStart(lines, section);
    } catch (const EStringListError&) {
        return;
    }
    CheckSectionStart(lines, start);

    int next = start;
    try {
        WalkSectionLines(lines, start, [&](const std::string& line) {
            Require(next < lines.Count() && line == lines.Get(next), "the walk hands over the lines in order");
            Require(!IsCommentLine(line), "the walk hands over no comment line");
            Require(GetRecordName(line).size() <= 14, "a record name has at most 14 characters");
            ++next;
        });
    } catch (const EStringListError&) {
        Require(next == lines.Count(), "a walk that runs off the end has taken every line first");
        return;
    }
    Require(next < lines.Count() && IsCommentLine(lines.Get(next)), "a walk stops at a comment line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const THandlingFile lines(TStringList::SplitText(bytes));
    try {
        for (int section = 0; section <= 5; ++section) WalkSection(lines, section);
    } catch (...) {
        StopOnUnexpectedFailure("the section scan");
    }
    return 0;
}
