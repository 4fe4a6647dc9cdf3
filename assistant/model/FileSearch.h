// Finding files and folders by name.
#pragma once

#include <string>

// Looks for FileName as given, then by its name in ExeDir, then by its name
// in the library component's program folder. FileName becomes the first that
// exists, else the last tried; a name without folder gets the current
// directory in front. True when one existed.
bool FindFile(std::string& FileName);

// The absolute folder (with its trailing "/") of FileName taken relative to
// BaseDir: BaseDir itself when FileName is empty, FileName's own folder when
// BaseDir is empty. The process's current directory is left at BaseDir.
std::string RelativeToAbsolutePath(const std::string& FileName, const std::string& BaseDir);
