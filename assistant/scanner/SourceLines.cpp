// Lines: a line ends with the pair CR LF, which belongs to it.
#include <algorithm>

#include "Lumbrick.h"
#include "SourceScanner.h"

int TSourceScanner::FindCRLF(int P, bool Forward) const try {
  const int n = Length();
  if (Forward) {
    for (int i = std::max(P + 1, 1); i < n; ++i)
      if (Text[i - 1] == '\r' && Text[i] == '\n') return i;
  } else {
    for (int i = std::min(P - 1, n); i >= 2; --i)
      if (Text[i - 1] == '\n' && Text[i - 2] == '\r') return i - 1;
  }
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.FindCRLF");
  throw;
}

int TSourceScanner::GetStartOfLine(int P) const try {
  return FindCRLF(P, false) + 2;  // 1 on the first line
} catch (...) {
  VIX->Push("Function TSourceScanner.GetStartOfLine");
  throw;
}

// On a CR or LF this is the end of the following line.
int TSourceScanner::GetEndOfLine(int P) const try {
  const int cr = FindCRLF(P, true);
  return cr == -1 ? Length() : cr + 1;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetEndOfLine");
  throw;
}

std::string TSourceScanner::GetLine(int P) const try {
  const int start = GetStartOfLine(P);
  const int end = GetEndOfLine(P);
  if (end < start) return {};
  return Text.substr(start - 1, end - start + 1);
} catch (...) {
  VIX->Push("Function TSourceScanner.GetLine");
  throw;
}

// Counts the CR LF pairs that FindCRLF finds, so that CR CR LF is one line
// break here too.
int TSourceScanner::GetLineNum(int P) const try {
  const int last = std::min(P, Length());
  int line = 1;
  for (int i = 2; i <= last; ++i)
    if (Text[i - 1] == '\n' && Text[i - 2] == '\r') ++line;
  return line;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetLineNum");
  throw;
}
