// Indentation: measuring the source's own indentation, shifting lines by one
// unit and removing lines an edit leaves empty. Blanks and TABs are kept as
// the source has them. Keyword positions are left to the callers.
#include <algorithm>

#include "Lumbrick.h"
#include "SourceScanner.h"

namespace {

bool IsIndent(char c) noexcept { return c == ' ' || c == '\t'; }

// The blanks and TABs in code before the first code character of the first
// line from From on that holds code: comments are skipped, a line break
// starts over.
std::string LeadingIndent(const TSourceScanner& S, int From) try {
  std::string indent;
  for (int p = std::max(From, 1); p <= static_cast<int>(S.Text.size()); ++p) {
    const char c = S.Text[p - 1];
    if (c == '\r' || c == '\n')
      indent.clear();
    else if (!IsIndent(c) && S.CharIsCode(p))
      break;
    else if (IsIndent(c) && S.CharIsCode(p))
      indent += c;
  }
  return indent;
} catch (...) {
  VIX->Push("Function LeadingIndent");
  throw;
}

enum class TLineState { AtLineStart, InsideLine, AfterCR };

}  // namespace

std::string TSourceScanner::GetRoutineTabulation(const TRoutineInfo* R) const try {
  const TRoutineInfo* outer = GetLevel1Routine(R);
  if (outer == nullptr || outer->kiBegin == nullptr) return {};
  // A begin on the last line has no body line to measure.
  const int lineEnd = FindCRLF(outer->kiBegin->Position, true);
  return lineEnd == -1 ? std::string() : LeadingIndent(*this, lineEnd);
} catch (...) {
  VIX->Push("Function TSourceScanner.GetRoutineTabulation");
  throw;
}

std::string TSourceScanner::GetRoutineMargin(const TRoutineInfo* R) const try {
  if (R == nullptr || R->kiBegin == nullptr) return {};
  return LeadingIndent(*this, GetStartOfLine(R->kiBegin->Position));
} catch (...) {
  VIX->Push("Function TSourceScanner.GetRoutineMargin");
  throw;
}

// The range is rebuilt once and spliced in, rather than inserting line by
// line into the whole text. AtFirstCode runs at the first code character of
// each line, before that character is copied, and may change the copy so far.
void TSourceScanner::RebuildLines(int Start, int To, const TLineStartEdit& AtFirstCode) try {
  std::string text;
  std::string status;
  TLineState state = TLineState::AtLineStart;
  for (int p = Start; p <= To; ++p) {
    const char c = Text[p - 1];
    if (state == TLineState::AfterCR) {
      state = c == '\n' ? TLineState::AtLineStart : TLineState::InsideLine;
    } else if (state == TLineState::AtLineStart && !IsIndent(c) && CharIsCode(p)) {
      AtFirstCode(p, text, status);
      state = TLineState::InsideLine;
    }
    if (c == '\r') state = TLineState::AfterCR;
    text += c;
    status += TextStatus[p - 1];
  }
  ReplaceText(Start, To - Start + 1, text, status);
} catch (...) {
  VIX->Push("Procedure TSourceScanner.RebuildLines");
  throw;
}

void TSourceScanner::AdaptBlockAddedTabulation(int From, int To, const std::string& T) try {
  From = std::max(From, 1);
  To = std::min(To, Length());
  if (T.empty() || From > To) return;
  const std::string tStatus = ConvertIntoTextStatus(T);
  RebuildLines(GetStartOfLine(From), To, [&](int, std::string& text, std::string& status) {
    text += T;
    status += tStatus;
  });
} catch (...) {
  VIX->Push("Procedure TSourceScanner.AdaptBlockAddedTabulation");
  throw;
}

void TSourceScanner::AdaptBlockRemovedTabulation(int From, int To, const std::string& T) try {
  From = std::max(From, 1);
  To = std::min(To, Length());
  if (T.empty() || From > To) return;
  const int len = static_cast<int>(T.size());
  const int start = GetStartOfLine(From);
  RebuildLines(start, To, [&](int p, std::string& text, std::string& status) {
    // Only an exact T right before the line's first code character goes.
    if (p - len >= start && Text.compare(p - 1 - len, len, T) == 0) {
      text.resize(text.size() - len);
      status.resize(status.size() - len);
    }
  });
} catch (...) {
  VIX->Push("Procedure TSourceScanner.AdaptBlockRemovedTabulation");
  throw;
}

bool TSourceScanner::IsLineEmpty(int P, int& Start, int& Len) const try {
  if (P < 1 || P > Length()) return false;
  Start = GetStartOfLine(P);
  int e;
  if (Text[P - 1] == '\r') {
    e = P;
  } else if (Text[P - 1] == '\n') {
    e = P - 1;
  } else {
    e = FindCRLF(P, true);
    if (e == -1) e = Length();
  }
  Len = e - Start + 2;  // the line with its CR LF
  if (e < Start) return false;
  for (int p = Start; p <= e; ++p) {
    const char c = Text[p - 1];
    if (!IsIndent(c) && c != '\r' && c != '\n') return false;
  }
  return true;
} catch (...) {
  VIX->Push("Function TSourceScanner.IsLineEmpty");
  throw;
}

void TSourceScanner::RemoveLineIfEmpty(int P) try {
  int start = 0;
  int len = 0;
  if (!IsLineEmpty(P, start, len)) return;
  // A last line without a line break goes to the end of the text.
  ReplaceText(start, std::min(len, Length() - start + 1), {}, {});
} catch (...) {
  VIX->Push("Procedure TSourceScanner.RemoveLineIfEmpty");
  throw;
}
