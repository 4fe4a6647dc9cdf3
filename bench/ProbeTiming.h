// Times a start of the start-up probe (probe/StartupProbe.cpp) as a program
// of its own: from its start to its first shown window.
#pragma once

#include <string>

// Seconds to the probe's first shown window. Kind "bare": a bare Qt window;
// "corvane": the assistant, started from ProgramFolder.
double TimeToFirstWindow(const char* Kind, const std::string& ProgramFolder);
