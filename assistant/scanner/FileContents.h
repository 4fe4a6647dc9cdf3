// Whole-file reading and writing of texts, byte for byte.
#pragma once

#include <string>

// Reads the whole file into Text, every byte kept (NUL included). False when
// the file cannot be read; Text is then left as it was.
bool LoadFileContents(const std::string& FileName, std::string& Text);
// Replaces the file whole with Text (ReplaceFileBytes, Files.h: it keeps its
// owner, group, mode and links), so a failed write leaves the old file
// intact. A failure shows the error box of CannotCreateFileText and ends the
// running operation with the silent abort; otherwise True.
bool SaveFileContents(const std::string& FileName, const std::string& Text);
// Which file could not be written and why, in the program's language:
// Cannot create file "<file>". <the system's reason, as the system gives it>
std::string CannotCreateFileText(const std::string& FileName, int Reason);
