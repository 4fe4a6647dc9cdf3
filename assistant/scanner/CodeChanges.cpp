// The five edits of a routine: the protective block added, its routine text
// rewritten, the block removed, the ignore marker added and removed. Each
// changes Text and TextStatus in step and repairs the keyword list where the
// routine lies, so that the list stays what a new scan would give.
//
// Beyond the rules of the edits, a routine is refused where the edit would
// leave a source that no longer compiles or means something else: a line
// inserted inside a comment, a block around code that shares the begin or
// end line with keywords or with a statement left unfinished, line breaks
// other than CR LF, and a removal that would take more than the block. A
// refusal says why in LastRefusal (RefusalReasons.h).
#include <algorithm>
#include <vector>

#include "CodeOptions.h"
#include "KeywordKinds.h"
#include "Lumbrick.h"
#include "RefusalReasons.h"
#include "RoutineEdit.h"
#include "SourceScanner.h"

namespace {

const std::string CRLF = "\r\n";

// S with Lead put after each of its line breaks.
std::string IndentAfterLineBreaks(const std::string& S, const std::string& Lead) try {
  std::string r;
  for (std::size_t i = 0; i < S.size(); ++i) {
    r += S[i];
    if (S[i] == '\n' && i > 0 && S[i - 1] == '\r') r += Lead;
  }
  return r;
} catch (...) {
  VIX->Push("Function IndentAfterLineBreaks");
  throw;
}

bool IsSpace(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The last code character before P that is not a blank, TAB or line break.
int LastSignificantBefore(const TSourceScanner& S, int P) try {
  for (int p = std::min(P - 1, static_cast<int>(S.Text.size())); p >= 1; --p)
    if (!IsSpace(S.Text[p - 1]) && S.CharIsCode(p)) return p;
  return -1;
} catch (...) {
  VIX->Push("Function LastSignificantBefore");
  throw;
}

// The last character of the keyword K.
int KeywordLast(const TKeywordInfo& K) try {
  return K.Position + static_cast<int>(K.GetKeyword().size()) - 1;
} catch (...) {
  VIX->Push("Function KeywordLast");
  throw;
}

// Every opener between First and Last is closed there, and every except or
// finally follows a try of its own: a block put around the lot then leaves
// each keyword with its partner.
bool BodyIsBalanced(const TSourceScanner& S, int First, int Last) try {
  std::vector<int> open;
  for (int i = First + 1; i < Last; ++i) {
    const int kind = S.Keywords[i]->Keyword;
    if (IsOpeningKind(kind)) {
      open.push_back(kind);
    } else if (IsClauseKind(kind)) {
      if (open.empty() || open.back() != kwTry) return false;
    } else if (kind == kwEnd) {
      if (open.empty()) return false;
      open.pop_back();
    } else {
      return false;  // a routine keyword inside a body
    }
  }
  return open.empty();
} catch (...) {
  VIX->Push("Function BodyIsBalanced");
  throw;
}

}  // namespace

int TSourceScanner::Refuse(const char* Reason) try {
  LastRefusal = Reason;
  return 0;
} catch (...) {
  VIX->Push("Function TSourceScanner.Refuse");
  throw;
}

TRoutineInfo* TSourceScanner::EditableRoutine(int RoutineIndex) try {
  const auto refuse = [this](const char* Reason) -> TRoutineInfo* {
    Refuse(Reason);
    return nullptr;
  };
  if (RoutineIndex < 0 || RoutineIndex >= static_cast<int>(Routines.size())) return nullptr;
  // After a structure error the links of the list are not to be trusted.
  if (ErrorCode != 0) return refuse(RefusedStructureError);
  TRoutineInfo* r = Routines[RoutineIndex];
  if (const auto it = FRoutinesInBodies.find(r); it != FRoutinesInBodies.end()) return refuse(it->second);
  // A heading whose body begins elsewhere (in an include file, say).
  if (r->kiBegin == nullptr || r->kiEnd == nullptr) return refuse(RefusedNoOwnBegin);
  if (r->kiBegin->Keyword != kwBegin) return nullptr;  // asm bodies are never edited
  // A list that does not fit the text (a text loaded again and not scanned).
  if (r->Position < 1 || r->kiBegin->Position <= r->Position || r->kiEnd->Position <= r->kiBegin->Position ||
      r->kiEnd->Position + 2 > Length())
    return refuse(RefusedListOutdated);
  // A heading must end before the body: one without its ";" would take in
  // the body's text, and change with it.
  const int semi = FindCharInCodeAfter(';', r->Position);
  if (semi == -1 || semi > r->kiBegin->Position) return refuse(RefusedHeadingOpen);
  return r;
} catch (...) {
  VIX->Push("Function TSourceScanner.EditableRoutine");
  throw;
}

int TSourceScanner::AddCode(int RoutineIndex, int NewState) try {
  LastRefusal.clear();
  TRoutineInfo* r = EditableRoutine(RoutineIndex);
  if (r == nullptr) return 0;
  // A block calls the library: it goes in only where the library unit can
  // be given to every configuration the unit compiles in.
  if (const char* why = LibraryUnitRefusal()) return Refuse(why);
  const int after = GetKeywordAfterEnd(r);
  const int begin = r->kiBegin->Position;
  const int end = r->kiEnd->Position;
  const int crlf = FindCRLF(begin, true);
  if (crlf == -1) return Refuse(RefusedOneLine);
  const int tryPos = crlf + 2;
  const int endLine = GetStartOfLine(end);
  if (tryPos > endLine) return Refuse(RefusedOneLine);

  const int first = IndexOfKeyword(r->kiBegin);
  const int last = IndexOfKeyword(r->kiEnd);
  if (first == -1 || last <= first) return Refuse(RefusedListOutdated);
  if (!OnlyCRLFBreaks(*this, begin, end)) return Refuse(RefusedLineBreaks);
  // The lines of the block must go between whole statements, where code is
  // read, and hold every keyword of the body between them.
  for (int i = first + 1; i < last; ++i)
    if (Keywords[i]->Position < tryPos || Keywords[i]->Position >= endLine) return Refuse(RefusedKeywordsOnLines);
  if (!CodeReadAt(*this, begin, tryPos) || !CodeReadAt(*this, begin, endLine)) return Refuse(RefusedBlockInComment);
  if (!BodyIsBalanced(*this, first, last)) return Refuse(RefusedUnbalanced);
  const int beforeTry = LastSignificantBefore(*this, tryPos);
  if (beforeTry != begin + 4 && Text[beforeTry - 1] != ';') return Refuse(RefusedSplitStatement);
  const int beforeEndLine = LastSignificantBefore(*this, endLine);
  if (FindFirstSignificantChar(endLine) != end && Text[beforeEndLine - 1] != ';' && beforeEndLine != begin + 4)
    return Refuse(RefusedSplitStatement);

  const std::string tab = GetRoutineTabulation(r);
  const std::string lead = GetRoutineMargin(r) + tab;
  const std::string block = lead + IndentAfterLineBreaks(r->BuildExceptBloc(FileName, tab), lead) + CRLF;
  const std::string tryText = lead + "Try" + CRLF;

  TRoutineEdit edit(*this, first, last);
  edit.Insert(endLine, block);
  edit.Insert(tryPos, tryText);
  int blockPos = endLine + static_cast<int>(tryText.size());
  edit.Track(&blockPos);
  const int bodyPos = tryPos + static_cast<int>(tryText.size());
  if (CodeOptions.ReindentAddedCode) {
    edit.Reindent(bodyPos, blockPos - 1, tab, true);
    edit.Restatus(bodyPos, blockPos - 1);  // indentation put inside comments is comment
  }

  for (int i = first + 1; i < last; ++i) ++Keywords[i]->Level;
  const int level = r->kiBegin->Level + 1;
  auto tryKeyword = std::make_unique<TKeywordInfo>(tryPos + static_cast<int>(lead.size()), kwTry);
  auto clause = std::make_unique<TExceptClauseInfo>(blockPos + static_cast<int>(lead.size()), kwExcept);
  auto blockEnd =
      std::make_unique<TKeywordInfo>(FindToken("end", LeftDelimiters, clause->Position, RightDelimiters), kwEnd);
  tryKeyword->Level = level;
  clause->Level = level;
  blockEnd->Level = level;
  clause->CodeState = 2;
  clause->kiEnd = blockEnd.get();
  Keywords.insert(Keywords.begin() + last, std::move(blockEnd));
  Keywords.insert(Keywords.begin() + last, std::move(clause));
  Keywords.insert(Keywords.begin() + first + 1, std::move(tryKeyword));

  const int delta = CommitEdit(r, NewState, edit, after == -1 ? -1 : after + 3);
  // The block just written is correct; a marker in the body still wins.
  r->CodeState = 2;
  if (GetRoutineIgnoreCodePos(r) != -1) CheckRoutineCodeState(IndexOfKeyword(r));
  EnsureLibraryUnit();
  return delta;
} catch (...) {
  VIX->Push("Function TSourceScanner.AddCode");
  throw;
}

int TSourceScanner::UpdateCode(int RoutineIndex) try {
  LastRefusal.clear();
  const int c = GetRoutineClauseIdx(RoutineIndex);
  if (c == -1) return 0;  // no block to update
  TRoutineInfo* r = EditableRoutine(RoutineIndex);
  if (r == nullptr) return 0;
  const int after = GetKeywordAfterEnd(r);
  const auto& clause = static_cast<const TExceptClauseInfo&>(*Keywords[c]);
  const int q1 = FindCharInCodeAfter('\'', clause.Position);
  const int q2 = q1 == -1 ? -1 : FindCharInCodeAfter('\'', q1);

  TRoutineEdit edit(*this, IndexOfKeyword(r->kiBegin), IndexOfKeyword(r->kiEnd));
  if (q2 != -1 && (clause.kiEnd == nullptr || q2 < clause.kiEnd->Position)) {
    const std::string expected = r->BuildExceptBloc(FileName, "");
    const std::size_t open = expected.find('\'');
    const std::size_t close = expected.find('\'', open + 1);
    const std::string routineText = expected.substr(open + 1, close - open - 1);
    edit.Delete(q1 + 1, q2 - q1 - 1);
    edit.Insert(q1 + 1, routineText);
    edit.Restatus(q1, q1 + static_cast<int>(routineText.size()) + 1);  // a literal, quotes included
  }

  const int delta = CommitEdit(r, 2, edit, after);
  CheckRoutineCodeState(IndexOfKeyword(r));
  EnsureLibraryUnit();
  return delta;
} catch (...) {
  VIX->Push("Function TSourceScanner.UpdateCode");
  throw;
}

int TSourceScanner::RemoveCode(int RoutineIndex) try {
  LastRefusal.clear();
  const int c = GetRoutineClauseIdx(RoutineIndex);
  if (c == -1) return 0;  // no block to remove
  TRoutineInfo* r = EditableRoutine(RoutineIndex);
  if (r == nullptr) return 0;
  const int t = GetTryClauseIdx(c);
  const int begin = r->kiBegin->Position;
  const int end = r->kiEnd->Position;
  const auto& clause = static_cast<const TExceptClauseInfo&>(*Keywords[c]);
  const int clausePos = clause.Position;
  const int tryPos = t == -1 ? -1 : Keywords[t]->Position;
  if (tryPos <= begin || tryPos >= end || clausePos <= begin || clausePos >= end) return Refuse(RefusedBlockOutside);
  const int after = GetKeywordAfterEnd(r);
  int e = -1;
  for (int i = t; i < static_cast<int>(Keywords.size()) && e == -1; ++i)
    if (Keywords[i]->Keyword == kwEnd && Keywords[i]->Level == Keywords[t]->Level) e = i;
  const int semi = clause.kiEnd ? FindCharInCodeAfter(';', clause.kiEnd->Position) : -1;

  // Only the block goes: its ";" follows its end at once, and the statements
  // it held stand where a list of statements is read once it is gone.
  if (semi == -1 || e == -1 || Keywords[e].get() != clause.kiEnd || semi >= end ||
      FindFirstSignificantChar(clause.kiEnd->Position + 3) != semi || e + 1 >= static_cast<int>(Keywords.size()))
    return Refuse(RefusedBlockEnd);
  const int beforeTry = LastSignificantBefore(*this, tryPos);
  const TKeywordInfo& opener = *Keywords[t - 1];
  const bool listBefore = Text[beforeTry - 1] == ';' ||
                          (beforeTry == KeywordLast(opener) && (IsOpeningKind(opener.Keyword) || IsClauseKind(opener.Keyword)) &&
                           opener.Keyword != kwCase && opener.Keyword != kwAsm);
  const int beforeClause = LastSignificantBefore(*this, clausePos);
  const bool closedBefore = Text[beforeClause - 1] == ';' || beforeClause == tryPos + 2 ||
                            (Keywords[e + 1]->Keyword == kwEnd && FindFirstSignificantChar(semi + 1) == Keywords[e + 1]->Position);
  if (!listBefore || !closedBefore) return Refuse(RefusedMeaning);
  // The three keywords go: no other may still refer to them.
  if (BlockIsReferredTo(t, c, e)) return Refuse(RefusedKeywordsDepend);

  // The indentation the addition put before the body: the Try line's beyond
  // the begin line's, when the Try opens its line indented beyond the begin.
  // The tabulation measured now would be the Try line's whole indentation,
  // too much where the begin is indented otherwise than the body.
  std::string tab = GetRoutineTabulation(r);
  const int tryLine = GetStartOfLine(tryPos);
  const std::string tryIndent = Text.substr(tryLine - 1, tryPos - tryLine);
  const std::string margin = GetRoutineMargin(r);
  if (tryIndent.find_first_not_of(" \t") == std::string::npos && tryIndent.size() > margin.size() &&
      tryIndent.starts_with(margin))
    tab = tryIndent.substr(margin.size());

  const int first = IndexOfKeyword(r->kiBegin);
  const int last = IndexOfKeyword(r->kiEnd);
  int clauseLine = GetStartOfLine(clausePos);
  int bodyFrom = tryLine;
  TRoutineEdit edit(*this, first, last);
  edit.Track(&clauseLine);
  edit.Track(&bodyFrom);
  edit.Delete(clausePos, semi - clausePos + 1);
  edit.RemoveLineIfEmpty(clausePos);
  edit.Delete(tryPos, 3);
  edit.RemoveLineIfEmpty(tryPos);
  if (CodeOptions.ReindentRemovedCode) {
    // The lines the block held, never the begin line.
    const int from = std::max(bodyFrom, FindCRLF(begin, true) + 2);
    edit.Reindent(from, clauseLine - 1, tab, false);
  }

  for (int i = t + 1; i < e; ++i) --Keywords[i]->Level;
  Keywords.erase(Keywords.begin() + e);
  Keywords.erase(Keywords.begin() + c);
  Keywords.erase(Keywords.begin() + t);

  const int delta = CommitEdit(r, 3, edit, after == -1 ? -1 : after - 3);
  CheckRoutineCodeState(IndexOfKeyword(r));
  return delta;
} catch (...) {
  VIX->Push("Function TSourceScanner.RemoveCode");
  throw;
}

int TSourceScanner::CommitEdit(TRoutineInfo* R, int NewState, const TRoutineEdit& Edit, int FromIndex) try {
  R->State = NewState;
  FileState = 1;
  const int delta = Edit.Delta();
  ShiftFollowing(FromIndex, delta);
  return delta;
} catch (...) {
  VIX->Push("Function TSourceScanner.CommitEdit");
  throw;
}

int TSourceScanner::AddIgnoreCode(int RoutineIndex) try {
  LastRefusal.clear();
  TRoutineInfo* r = EditableRoutine(RoutineIndex);
  if (r == nullptr) return 0;
  const int after = GetKeywordAfterEnd(r);
  const int begin = r->kiBegin->Position;
  const int crlf = FindCRLF(begin, true);
  if (crlf == -1) return Refuse(RefusedOneLine);
  const int pos = crlf + 2;
  if (pos > GetStartOfLine(r->kiEnd->Position)) return Refuse(RefusedOneLine);
  // A marker is a brace comment: where code is read it is one of its own,
  // inside a (* *) comment it is part of that one and changes nothing.
  // Elsewhere its "}" would end a brace comment, or it would enter a literal.
  const bool inCode = CodeReadAt(*this, begin, pos);
  if (!inCode && !InParenStarComment(*this, begin, pos)) return Refuse(RefusedMarkerInComment);

  TRoutineEdit edit(*this, IndexOfKeyword(r->kiBegin), IndexOfKeyword(r->kiEnd));
  const std::string line = GetRoutineTabulation(r) + std::string(IgnoreMarker) + CRLF;
  if (inCode)
    edit.Insert(pos, line);
  else
    edit.InsertInComment(pos, line, 4);
  const int delta = CommitEdit(r, 4, edit, after);
  CheckRoutineCodeState(IndexOfKeyword(r));
  return delta;
} catch (...) {
  VIX->Push("Function TSourceScanner.AddIgnoreCode");
  throw;
}

int TSourceScanner::RemoveIgnoreCode(int RoutineIndex) try {
  LastRefusal.clear();
  if (RoutineIndex < 0 || RoutineIndex >= static_cast<int>(Routines.size())) return 0;
  const int m = GetRoutineIgnoreCodePos(Routines[RoutineIndex]);
  if (m == -1) return 0;  // no marker to remove
  TRoutineInfo* r = EditableRoutine(RoutineIndex);
  if (r == nullptr) return 0;
  const int after = GetKeywordAfterEnd(r);
  const int begin = r->kiBegin->Position;
  if (m <= begin) return 0;
  // Deleted where it is a comment of its own, or part of a line comment or a
  // (* *) comment: inside a literal or a brace comment the deletion would
  // change the literal or that comment's end.
  const int status = CharStatus(m);
  if (!CodeReadAt(*this, begin, m) && status != 3 && status != 4) return Refuse(RefusedMarkerEmbedded);
  if (DeletionJoins(*this, m, static_cast<int>(IgnoreMarker.size()))) return Refuse(RefusedMarkerJoins);

  TRoutineEdit edit(*this, IndexOfKeyword(r->kiBegin), IndexOfKeyword(r->kiEnd));
  edit.Delete(m, static_cast<int>(IgnoreMarker.size()));
  edit.RemoveLineIfEmpty(m);
  const int delta = CommitEdit(r, 3, edit, after);
  CheckRoutineCodeState(IndexOfKeyword(r));
  return delta;
} catch (...) {
  VIX->Push("Function TSourceScanner.RemoveIgnoreCode");
  throw;
}
