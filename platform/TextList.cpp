#include "platform/TextList.h"

#include "platform/FileSystem.h"
#include "platform/SysUtils.h"

namespace {

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

}  // namespace

const std::string& TStringList::Get(int index) const {
    CheckIndex(index, Count());
    return lines_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const std::string& text) {
    CheckIndex(index, Count());
    lines_[static_cast<std::size_t>(index)] = text;
}

void TStringList::LoadFromFile(const std::string& path) {
    // Read and split first: a failure then leaves the current lines as they are.
    std::vector<std::string> lines = SplitText(ReadFileBytes(path));
    lines_ = std::move(lines);
}

void TStringList::SaveToFile(const std::string& path) const {
    WriteFileAtomically(path, JoinedText());
}

std::vector<std::string> TStringList::SplitText(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t lineStart = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const char c = bytes[pos];
        if (c != '\r' && c != '\n') {
            ++pos;
            continue;
        }
        lines.push_back(bytes.substr(lineStart, pos - lineStart));
        ++pos;
        if (c == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
        lineStart = pos;
    }
    // Text after the last line end is a last line without one; nothing after it adds no line.
    if (lineStart < bytes.size()) lines.push_back(bytes.substr(lineStart));
    return lines;
}

std::string TStringList::JoinedText() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}
