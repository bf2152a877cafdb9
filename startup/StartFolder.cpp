#include "startup/StartFolder.h"

#include "platform/FileSystem.h"
#include "platform/SysUtils.h"

std::string GetStartFolder() { return GetCurrentFolder(); }

std::string SettingsFilePath(const std::string& startFolder) {
    return startFolder + PathDelim + "prop.dat";
}

std::string LanguageFolderPath(const std::string& startFolder) {
    return startFolder + PathDelim + "languages";
}
