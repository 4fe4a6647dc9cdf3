// Runs shell commands from tests (compilers, the programs they build).
#pragma once

#include <array>
#include <cstdio>
#include <string>

// Runs Command with its error output joined to its output; the output, and
// whether it ended well.
inline bool RunShell(const std::string& Command, std::string& Output) {
  Output.clear();
  FILE* pipe = popen((Command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return false;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) Output.append(buffer.data(), n);
  return pclose(pipe) == 0;
}
