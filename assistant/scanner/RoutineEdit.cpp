#include "RoutineEdit.h"

#include <algorithm>

#include "Lumbrick.h"
#include "SourceScanner.h"

namespace {

bool IsIndent(char c) noexcept { return c == ' ' || c == '\t'; }

}  // namespace

TRoutineEdit::TRoutineEdit(TSourceScanner& AScanner, int First, int Last) try
    : S(AScanner), FFirst(std::max(First, 0)), FLast(std::min(Last, static_cast<int>(AScanner.Keywords.size()) - 1)),
      FStartLength(AScanner.Text.size()) {
} catch (...) {
  VIX->Push("Constructor TRoutineEdit.Create");
  throw;
}

std::vector<int*> TRoutineEdit::Followed() const try {
  std::vector<int*> all(FTracked);
  for (int i = FFirst; i <= FLast; ++i) all.push_back(&S.Keywords[i]->Position);
  std::sort(all.begin(), all.end());  // each position moves once
  all.erase(std::unique(all.begin(), all.end()), all.end());
  return all;
} catch (...) {
  VIX->Push("Function TRoutineEdit.Followed");
  throw;
}

void TRoutineEdit::Shift(int From, int By) try {
  for (int* p : Followed())
    if (*p >= From) *p += By;
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.Shift");
  throw;
}

void TRoutineEdit::Insert(int P, const std::string& Piece) try {
  S.Text.insert(P - 1, Piece);
  S.TextStatus.insert(P - 1, S.ConvertIntoTextStatus(Piece));
  Shift(P, static_cast<int>(Piece.size()));
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.Insert");
  throw;
}

void TRoutineEdit::Delete(int P, int Count) try {
  S.Text.erase(P - 1, Count);
  S.TextStatus.erase(P - 1, Count);
  // What stood in the deleted range now stands where it began.
  for (int* p : Followed())
    if (*p >= P + Count)
      *p -= Count;
    else if (*p > P)
      *p = P;
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.Delete");
  throw;
}

void TRoutineEdit::RemoveLineIfEmpty(int P) try {
  int start = 0;
  int length = 0;
  if (!S.IsLineEmpty(P, start, length)) return;
  const std::size_t before = S.Text.size();
  S.RemoveLineIfEmpty(P);
  const int removed = static_cast<int>(before - S.Text.size());
  for (int* p : Followed())
    if (*p >= start + removed)
      *p -= removed;
    else if (*p > start)
      *p = start;
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.RemoveLineIfEmpty");
  throw;
}

void TRoutineEdit::Reindent(int From, int To, const std::string& Unit, bool Add) try {
  From = std::max(From, 1);
  To = std::min(To, static_cast<int>(S.Text.size()));
  if (Unit.empty() || From > To) return;
  const int start = S.GetStartOfLine(From);
  const std::string before = S.Text.substr(start - 1, To - start + 1);
  const std::size_t oldSize = S.Text.size();
  if (Add)
    S.AdaptBlockAddedTabulation(From, To, Unit);
  else
    S.AdaptBlockRemovedTabulation(From, To, Unit);
  const int change = static_cast<int>(S.Text.size()) - static_cast<int>(oldSize);
  const std::string_view after = std::string_view(S.Text).substr(start - 1, before.size() + change);

  std::vector<int*> inRange;
  for (int* p : Followed()) {
    if (*p > To)
      *p += change;
    else if (*p >= start)
      inRange.push_back(p);
  }
  std::sort(inRange.begin(), inRange.end(), [](const int* a, const int* b) { return *a < *b; });
  // The characters that are neither blanks nor TABs pair off in order.
  std::size_t i = 0;  // into the old range
  std::size_t j = 0;  // into the new one
  std::size_t next = 0;
  while (next < inRange.size()) {
    while (i < before.size() && IsIndent(before[i])) ++i;
    while (j < after.size() && IsIndent(after[j])) ++j;
    const std::size_t target = *inRange[next] - start;
    if (target < i || i >= before.size() || j >= after.size()) {
      // A blank or TAB itself: it goes with the character that follows it.
      *inRange[next++] = start + static_cast<int>(std::min(j, after.size()));
      continue;
    }
    while (next < inRange.size() && static_cast<std::size_t>(*inRange[next] - start) == i)
      *inRange[next++] = start + static_cast<int>(j);
    ++i;
    ++j;
  }
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.Reindent");
  throw;
}

void TRoutineEdit::Restatus(int From, int To) try {
  From = std::max(From, 1);
  To = std::min(To, static_cast<int>(S.Text.size()));
  if (From > To) return;
  S.TextStatus.replace(From - 1, To - From + 1,
                       S.ConvertIntoTextStatus(std::string_view(S.Text).substr(From - 1, To - From + 1)));
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.Restatus");
  throw;
}

int TRoutineEdit::Delta() const try {
  return static_cast<int>(S.Text.size()) - static_cast<int>(FStartLength);
} catch (...) {
  VIX->Push("Function TRoutineEdit.Delta");
  throw;
}

bool CodeReadAt(const TSourceScanner& S, int From, int P) try {
  if (From < 1 || P < From || P > static_cast<int>(S.Text.size()) + 1) return false;
  // A character read where code is read is marked code at once; inside a
  // comment or a literal it stays unmarked.
  std::string probe = S.Text.substr(From - 1, P - From);
  probe += 'x';
  return S.ConvertIntoTextStatus(probe).back() == '0';
} catch (...) {
  VIX->Push("Function CodeReadAt");
  throw;
}

bool OnlyCRLFBreaks(const TSourceScanner& S, int From, int To) try {
  const int last = std::min(To, static_cast<int>(S.Text.size()));
  for (int p = std::max(From, 1); p <= last; ++p) {
    const char c = S.Text[p - 1];
    if (c == '\r' && (p == static_cast<int>(S.Text.size()) || S.Text[p] != '\n')) return false;
    if (c == '\n' && (p == 1 || S.Text[p - 2] != '\r')) return false;
  }
  return true;
} catch (...) {
  VIX->Push("Function OnlyCRLFBreaks");
  throw;
}
