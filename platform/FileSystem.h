// The operating system's file calls that the program uses, and nothing else of it.
#pragma once

#include <string>
#include <vector>

// The process's current folder: absolute, without a trailing separator except at the root.
std::string GetCurrentFolder();

bool FileExists(const std::string& path);

// Gives the file's owner the right to write it. Returns false when that fails.
bool MakeFileWritable(const std::string& path);

// Copies source to target through a temporary file, so target is either its old self or a
// full copy. Returns false when anything fails; target is then unchanged.
bool CopyFileReplacing(const std::string& source, const std::string& target);

// Reads a whole regular file; EFileError when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// Replaces path with bytes atomically: a temporary file in the same folder, written in full,
// flushed to disk, given the old file's permissions and renamed over it. A link is followed,
// so the file it points at is replaced. EFileError on failure, the old file then untouched.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Names (without folder) of the regular files in folder whose name matches mask ("*.txt"),
// compared without regard to case as the desktop systems do. Empty when the folder is missing.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask);
