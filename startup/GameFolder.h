// The game folder: found from the game's executable at first setup, and the backup of the
// handling file made there.
#pragma once

#include <string>

// The folder that holds the chosen file, without a trailing separator.
std::string GameFolderOfExecutable(const std::string& executablePath);

// Copies the handling file to its backup unless a backup exists already: the first backup
// holds the data as it was before any edit, and nothing replaces it. The result is not
// reported: without a backup the editor still works.
void MakeBackupIfMissing(const std::string& gameFolder);
