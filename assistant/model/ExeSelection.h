// Letting the user browse to a program.
#pragma once

#include <string>

#include "FileDialogs.h"

// The main window's program dialog; SelectExeFile runs it.
extern TOpenDialog* ExeDialog;

// When Found is False, asks first whether to browse for the What that could
// not be found (No: silent abort). Then runs ExeDialog titled "Select a " +
// What, in InitialDir when given, proposing DefaultName; OK puts the chosen
// file into FileName, Cancel leaves it unchanged; a file whose name
// Windows-1252 cannot hold is refused (ExecuteFileDialog).
void SelectExeFile(std::string& FileName, const std::string& What, const std::string& InitialDir,
                   bool Found, const std::string& DefaultName);
