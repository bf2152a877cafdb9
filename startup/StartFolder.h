// The start folder, where the settings file and the language files live, and the paths the
// program builds from it.
#pragma once

#include <string>

// The process's current folder as the system gives it: absolute, without a trailing separator
// except at the root, whatever its length.
std::string GetStartFolder();

std::string SettingsFilePath(const std::string& startFolder);
std::string LanguageFolderPath(const std::string& startFolder);
