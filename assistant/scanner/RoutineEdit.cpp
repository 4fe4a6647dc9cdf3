#include "RoutineEdit.h"

#include <algorithm>
#include <cctype>
#include <vector>

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

void TRoutineEdit::InsertInComment(int P, const std::string& Piece, int Status) try {
  std::string status(Piece);
  for (char& c : status)
    if (c != '\r' && c != '\n') c = CharTextStatus(Status);
  S.Text.insert(P - 1, Piece);
  S.TextStatus.insert(P - 1, status);
  Shift(P, static_cast<int>(Piece.size()));
} catch (...) {
  VIX->Push("Procedure TRoutineEdit.InsertInComment");
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

int FirstLineWhereCodeIsRead(const TSourceScanner& S, int From, int P) try {
  const int n = static_cast<int>(S.Text.size());
  if (From < 1 || P < From || P > n) return -1;
  // One reading from From with a probe character at every line start from P
  // on, each marked code at once where code is read (see CodeReadAt). The
  // probes change nothing else: a line start follows an LF, after which the
  // reading never waits for a second character of a pair.
  std::string probe = S.Text.substr(From - 1, P - From);
  std::vector<int> starts;
  std::vector<std::size_t> probes;
  for (int p = P; p <= n;) {
    const int cr = S.FindCRLF(p - 1, true);  // an empty line's own CR LF too
    const int next = cr == -1 ? n + 1 : cr + 2;
    starts.push_back(p);
    probes.push_back(probe.size());
    probe += 'x';
    probe.append(S.Text, p - 1, next - p);
    p = next;
  }
  const std::string status = S.ConvertIntoTextStatus(probe);
  for (std::size_t i = 0; i < starts.size(); ++i)
    if (status[probes[i]] == '0') return starts[i];
  return -1;
} catch (...) {
  VIX->Push("Function FirstLineWhereCodeIsRead");
  throw;
}

bool InParenStarComment(const TSourceScanner& S, int From, int P) try {
  // The construct open at P began before it, so the last character before P
  // that is not a line break is part of it.
  for (int p = std::min(P - 1, static_cast<int>(S.Text.size())); p >= From; --p)
    if (S.Text[p - 1] != '\r' && S.Text[p - 1] != '\n') return S.CharStatus(p) == 4;
  return false;
} catch (...) {
  VIX->Push("Function InParenStarComment");
  throw;
}

bool OnlyCRLFBreaks(const TSourceScanner& S, int From, int To) try {
  const int n = static_cast<int>(S.Text.size());
  const int last = std::min(To, n);
  for (int p = std::max(From, 1); p <= last; ++p) {
    const char c = S.Text[p - 1];
    // A run of CRs ends in an LF: each CR is followed by a CR or the LF.
    const char next = p < n ? S.Text[p] : '\0';
    if (c == '\r' && next != '\n' && next != '\r') return false;
    if (c == '\n' && (p == 1 || S.Text[p - 2] != '\r')) return false;
  }
  return true;
} catch (...) {
  VIX->Push("Function OnlyCRLFBreaks");
  throw;
}

bool DeletionJoins(const TSourceScanner& S, int P, int Count) try {
  if (P <= 1 || P + Count > static_cast<int>(S.Text.size())) return false;
  const char before = S.Text[P - 2];
  const char after = S.Text[P + Count - 1];
  const auto isWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; };
  if (isWord(before) && isWord(after)) return true;
  const std::string pair{before, after};
  return pair == "(*" || pair == "*)" || pair == "//" || pair == "\r\n";
} catch (...) {
  VIX->Push("Function DeletionJoins");
  throw;
}
