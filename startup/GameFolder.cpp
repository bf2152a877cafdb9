#include "startup/GameFolder.h"

#include "handling/HandlingFile.h"
#include "platform/FileSystem.h"
#include "platform/SysUtils.h"

std::string GameFolderOfExecutable(const std::string& executablePath) {
    const std::size_t separator = executablePath.rfind(PathDelim);
    if (separator == std::string::npos) return "";
    return executablePath.substr(0, separator);
}

void MakeBackupIfMissing(const std::string& gameFolder) {
    const std::string backup = HandlingBackupPath(gameFolder);
    if (FileExists(backup)) return;
    CopyFileReplacing(HandlingFilePath(gameFolder), backup);
}
