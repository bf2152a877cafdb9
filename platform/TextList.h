// The text list: an ordered list of single-byte lines, loaded from and saved to plain text files.
#pragma once

#include <string>
#include <vector>

class TStringList {
public:
    TStringList() = default;
    explicit TStringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int Count() const { return static_cast<int>(lines_.size()); }

    // Both fail with EStringListError outside 0 .. Count() - 1.
    const std::string& Get(int index) const;
    void Put(int index, const std::string& text);
    const std::string& operator[](int index) const { return Get(index); }

    void Add(const std::string& text) { lines_.push_back(text); }
    void Clear() { lines_.clear(); }
    void Assign(const TStringList& other) { lines_ = other.lines_; }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Lines end at CR LF, LF or CR; a line end after the last line adds no empty line.
    // The content is replaced only once the whole file has been read; EFileError otherwise.
    void LoadFromFile(const std::string& path);

    // Every line followed by CR LF, nothing else. The file is replaced atomically:
    // on failure (EFileError) the old file stays as it was.
    void SaveToFile(const std::string& path) const;

    // The same rules on bytes in memory, for files read or written by other means.
    static std::vector<std::string> SplitText(const std::string& bytes);
    std::string JoinedText() const;

    bool operator==(const TStringList&) const = default;

private:
    std::vector<std::string> lines_;
};
