// The routine scan, which applies the chosen action to every routine of a
// scanned unit, and the routine counts.
#include <algorithm>
#include <optional>
#include <unordered_map>

#include "CodeOptions.h"
#include "Files.h"
#include "KeywordKinds.h"
#include "Lumbrick.h"
#include "ScanActions.h"
#include "ScanProgress.h"
#include "SourceScanner.h"
#include "Translator.h"
#include "UsesConditions.h"

TScanActions ScanActions;

// Every edit inserts into or deletes from the text and the keyword list, and
// shifts every keyword after it: done on the whole unit for each routine,
// securing a unit would cost its size times its routine count. During the
// scan the text and the keywords past the routine at hand are held aside, in
// their old positions; they take the shift they are owed when the window
// reaches them. Each edit then moves no more than the rest of its own
// routine, and the searches it makes stay inside the window.
struct TSourceScanner::TEditWindow {
  // Open from construction to destruction, also when the scan is cancelled.
  explicit TEditWindow(TSourceScanner& AScanner);
  ~TEditWindow();
  TEditWindow(const TEditWindow&) = delete;
  TEditWindow& operator=(const TEditWindow&) = delete;

  // The text from End on, and the keywords there, go aside.
  void HoldAsideFrom(std::size_t End);
  // The window reaches past Position (in today's positions): through the
  // line break after the character that follows it.
  void Cover(int Position);
  // Everything back, every keyword with its shift, whatever its position.
  void Close();
  // A keyword held aside still has its old position.
  int PositionOf(const TKeywordInfo* K) const;
  // Routines[j] with the latest begin among Routines[0] to Routines[j]; the
  // edits never change the order of two positions, so it stays right. Also
  // the index of every routine: the positions of the routines held aside are
  // old, so the routine list cannot be searched by position.
  void IndexRoutines();
  // Whether every uses clause the library unit's addition reads (the first
  // one, the implementation's) lies with its ";" before the first keyword,
  // or is absent from the whole text: the addition then finds in the window
  // what it would find in the whole text, since the edits change nothing
  // before the first keyword nor any uses keyword after it.
  void LookAtUsesClauses();
  // How many links (a routine's begin and end, a clause's end) lead to each
  // keyword, so that a removal need not walk the whole list to learn whether
  // a keyword it takes out is still referred to. The edits of one scan add
  // no link to a keyword that was there before it.
  void CountReferrers();
  // How much the scan's edits can lengthen the text at most, from the scan
  // actions and the routines' states: the blocks to add with their Try
  // lines, routine texts and indentation, the routine texts to rewrite, and
  // the library unit's name. Needs IndexRoutines.
  void MeasureGrowth();

  TSourceScanner& S;
  bool HeadHoldsUses = false;
  int Pending = 0;  // the shift owed to the keywords held aside
  std::size_t Growth = 0;  // MeasureGrowth's
  std::vector<TRoutineInfo*> LatestBegin;
  std::unordered_map<const TRoutineInfo*, int> RoutineIndex;
  std::unordered_map<const TKeywordInfo*, int> Referrers;

 private:
  void Take(std::size_t RestEnd);

  std::string RestText;
  std::string RestStatus;
  std::size_t RestFrom = 0;
  std::vector<std::unique_ptr<TKeywordInfo>> RestKeywords;
  std::size_t RestKeywordFrom = 0;
};

namespace {

// The blanks and TABs in code that open the widest line of the text: no
// routine's margin or tabulation is wider.
std::size_t WidestIndent(const TSourceScanner& S) try {
  std::size_t widest = 0;
  const std::size_t size = S.Text.size();
  for (std::size_t p = 0, line = 0; p < size; ++line) {
    if (line % 64 == 0) ScanPulse();
    std::size_t indent = 0;
    for (; p < size && S.Text[p] != '\n'; ++p) {
      const char c = S.Text[p];
      if (!S.CharIsCode(static_cast<int>(p) + 1)) continue;  // a comment's characters
      if (c != ' ' && c != '\t') break;
      ++indent;
    }
    widest = std::max(widest, indent);
    const std::size_t lf = S.Text.find('\n', p);
    p = lf == std::string::npos ? size : lf + 1;
  }
  return widest;
} catch (...) {
  VIX->Push("Function WidestIndent");
  throw;
}

// The longest routine text BuildExceptBloc can make for R: the unit's file
// name, the kind, the class, the name and the parameters, each with what
// goes around it; removing quotes and joining lines only shorten it.
std::size_t RoutineTextBound(const std::string& FileName, const TRoutineInfo& R) try {
  return ExtractFileName(FileName).size() + 3 + R.GetKeyword().size() + 1 + R.ClassName.size() + 1 + R.Name.size() +
         R.Params.size() + 2;
} catch (...) {
  VIX->Push("Function RoutineTextBound");
  throw;
}

// An empty string whose buffer holds Room characters, written once in steps
// between which the log may process events. Memory fresh from the system
// costs its first writing, page by page, far more than a copy into memory
// already written: the edits, and above all the Close after a Cancel, which
// puts back the whole text held aside, then meet none.
std::string WrittenRoom(std::size_t Room) try {
  constexpr std::size_t kStep = std::size_t{1} << 18;
  std::string s;
  s.reserve(Room);
  while (s.size() < Room) {
    s.append(std::min(kStep, Room - s.size()), ' ');
    ScanPulse();
  }
  s.clear();  // the buffer stays
  return s;
} catch (...) {
  VIX->Push("Function WrittenRoom");
  throw;
}

}  // namespace

TSourceScanner::TEditWindow::TEditWindow(TSourceScanner& AScanner) try : S(AScanner) {
  S.FWindow = this;
} catch (...) {
  VIX->Push("Constructor TEditWindow.Create");
  throw;
}

TSourceScanner::TEditWindow::~TEditWindow() try {
  S.FWindow = nullptr;
  Close();
} catch (...) {
  VIX->Push("Destructor TEditWindow.Destroy");
}

void TSourceScanner::TEditWindow::HoldAsideFrom(std::size_t End) try {
  End = std::min(End, S.Text.size());
  // The whole text moves aside and the window takes a copy of its head: the
  // text is not copied in full. The window's text gets the room the whole
  // scan needs, so that it is never copied again; a Cancel meanwhile leaves
  // the scanner as it was.
  const std::size_t room = S.Text.size() + Growth;
  std::string text = WrittenRoom(room);
  std::string status = WrittenRoom(room);
  text.assign(S.Text, 0, End);
  status.assign(S.TextStatus, 0, End);
  RestText = std::move(S.Text);
  RestStatus = std::move(S.TextStatus);
  RestFrom = End;
  S.Text = std::move(text);
  S.TextStatus = std::move(status);
  const int first = S.FirstKeywordAfter(static_cast<int>(End));
  RestKeywords.clear();
  RestKeywordFrom = 0;
  if (first != -1) {
    std::move(S.Keywords.begin() + first, S.Keywords.end(), std::back_inserter(RestKeywords));
    S.Keywords.resize(first);
  }
  Pending = 0;
} catch (...) {
  VIX->Push("Procedure TEditWindow.HoldAsideFrom");
  throw;
}

void TSourceScanner::TEditWindow::Cover(int Position) try {
  if (RestFrom >= RestText.size()) return;
  const std::ptrdiff_t want = static_cast<std::ptrdiff_t>(Position) + 2 - static_cast<std::ptrdiff_t>(S.Text.size());
  if (want <= 0 && !S.Text.empty() && S.Text.back() == '\n') return;
  const std::size_t from = RestFrom + static_cast<std::size_t>(std::max<std::ptrdiff_t>(want - 1, 0));
  const std::size_t lf = RestText.find('\n', std::min(from, RestText.size()));
  Take(lf == std::string::npos ? RestText.size() : lf + 1);
} catch (...) {
  VIX->Push("Procedure TEditWindow.Cover");
  throw;
}

void TSourceScanner::TEditWindow::Close() try {
  Take(RestText.size());
  // Keywords placed past the text's end (a list that no longer fits its
  // text) come back too: the window frees no keyword, and so none that a
  // routine of the list still is.
  for (; RestKeywordFrom < RestKeywords.size(); ++RestKeywordFrom) {
    RestKeywords[RestKeywordFrom]->Position += Pending;
    S.Keywords.push_back(std::move(RestKeywords[RestKeywordFrom]));
  }
  RestKeywords.clear();
  RestKeywordFrom = 0;
} catch (...) {
  VIX->Push("Procedure TEditWindow.Close");
  throw;
}

int TSourceScanner::TEditWindow::PositionOf(const TKeywordInfo* K) const try {
  if (K == nullptr) return -1;
  const auto it = std::lower_bound(S.Keywords.begin(), S.Keywords.end(), K->Position,
                                   [](const std::unique_ptr<TKeywordInfo>& k, int p) { return k->Position < p; });
  for (auto i = it; i != S.Keywords.end() && (*i)->Position == K->Position; ++i)
    if (i->get() == K) return K->Position;
  return K->Position + Pending;
} catch (...) {
  VIX->Push("Function TEditWindow.PositionOf");
  throw;
}

void TSourceScanner::TEditWindow::IndexRoutines() try {
  LatestBegin.clear();
  RoutineIndex.clear();
  TRoutineInfo* latest = nullptr;
  for (TRoutineInfo* r : S.Routines) {
    if (r->kiBegin && (latest == nullptr || r->kiBegin->Position > latest->kiBegin->Position)) latest = r;
    LatestBegin.push_back(latest);
    RoutineIndex.emplace(r, static_cast<int>(RoutineIndex.size()));
  }
} catch (...) {
  VIX->Push("Procedure TEditWindow.IndexRoutines");
  throw;
}

void TSourceScanner::TEditWindow::LookAtUsesClauses() try {
  HeadHoldsUses = false;
  if (S.Keywords.empty()) return;
  const int first = S.Keywords.front()->Position;
  const auto inHead = [this, first](int UsesPos) {
    if (UsesPos == -1) return true;
    const int semi = S.FindCharInCodeAfter(';', UsesPos);
    return semi != -1 && semi < first;
  };
  const int implementation = S.FindToken("implementation", LeftDelimiters, 0, RightDelimiters);
  if (implementation == -1 || implementation > first) return;
  HeadHoldsUses = inHead(S.FindToken("uses", LeftDelimiters, 0, RightDelimiters)) &&
                  inHead(S.FindToken("uses", LeftDelimiters, implementation, RightDelimiters));
} catch (...) {
  VIX->Push("Procedure TEditWindow.LookAtUsesClauses");
  throw;
}

void TSourceScanner::TEditWindow::CountReferrers() try {
  Referrers.clear();
  const auto count = [this](const TKeywordInfo* K) {
    if (K != nullptr) ++Referrers[K];
  };
  for (const auto& k : S.Keywords) {
    if (IsRoutineKind(k->Keyword)) {
      const auto& routine = static_cast<const TRoutineInfo&>(*k);
      count(routine.kiBegin);
      count(routine.kiEnd);
    } else if (IsClauseKind(k->Keyword)) {
      count(static_cast<const TExceptClauseInfo&>(*k).kiEnd);
    }
  }
} catch (...) {
  VIX->Push("Procedure TEditWindow.CountReferrers");
  throw;
}

void TSourceScanner::TEditWindow::MeasureGrowth() try {
  // Measured at the first nested routine: a whole pass over the text that
  // most units do not need.
  std::optional<std::size_t> widest;
  const std::size_t variable = CodeOptions.QuellumVar.size();
  std::size_t growth = 0;
  for (std::size_t i = 0; i < S.Routines.size(); ++i) {
    if (i % 64 == 0) ScanPulse();
    const TRoutineInfo* r = S.Routines[i];
    if (r->CodeState == 3 && ScanActions.Incorrect == 2) {
      growth += RoutineTextBound(S.FileName, *r);  // in place of the old one
      continue;
    }
    // Routines whose links do not fit the text are refused.
    if (r->CodeState != 1 || ScanActions.Missing != 3 || r->kiBegin == nullptr || r->kiEnd == nullptr ||
        r->kiBegin->Position < 1 || r->kiEnd->Position <= r->kiBegin->Position ||
        r->kiEnd->Position > static_cast<int>(S.Text.size()))
      continue;
    // A routine's own margin and tabulation stay until its edit. A nested
    // one takes its tabulation from the line after its outer routine's
    // begin, edited before it: a Try line there (margin and tabulation), or
    // a body line.
    const bool nested = S.GetLevel1Routine(r) != r;
    if (nested && !widest) widest = WidestIndent(S);
    const std::size_t margin = nested ? *widest : S.GetRoutineMargin(r).size();
    const std::size_t tab = nested ? 2 * *widest : S.GetRoutineTabulation(r).size();
    const std::size_t lead = margin + tab;
    const auto body = S.Text.begin();
    const auto lines = static_cast<std::size_t>(
        std::count(body + r->kiBegin->Position, body + r->kiEnd->Position - 1, '\n'));
    // The Try line, the block's line with a lead after each of its (at
    // most three) line breaks and its two tabulations, the routine text,
    // and a tabulation more on each line of the body.
    growth += lead + 5 + 4 * lead + 2 + 33 + 2 * tab + variable + RoutineTextBound(S.FileName, *r) + lines * tab;
  }
  // The library unit: a clause of its own at most, or a name in each
  // configuration's clause.
  if (S.FConditionalUses)
    for (const auto& [at, added] : S.PlanLibraryUnit().Insertions) growth += added.size();
  Growth = growth + 32;
} catch (...) {
  VIX->Push("Procedure TEditWindow.MeasureGrowth");
  throw;
}

void TSourceScanner::TEditWindow::Take(std::size_t RestEnd) try {
  S.Text.append(RestText, RestFrom, RestEnd - RestFrom);
  S.TextStatus.append(RestStatus, RestFrom, RestEnd - RestFrom);
  RestFrom = RestEnd;
  const int end = static_cast<int>(S.Text.size());
  while (RestKeywordFrom < RestKeywords.size() && RestKeywords[RestKeywordFrom]->Position + Pending <= end) {
    RestKeywords[RestKeywordFrom]->Position += Pending;
    S.Keywords.push_back(std::move(RestKeywords[RestKeywordFrom++]));
  }
  if (RestKeywordFrom == RestKeywords.size()) {
    RestKeywords.clear();
    RestKeywordFrom = 0;
  }
} catch (...) {
  VIX->Push("Procedure TEditWindow.Take");
  throw;
}

void TSourceScanner::ScanRoutines() try {
  RefusedEdits.clear();
  LibraryUnitRefusal();  // planned on the whole text, before the window holds part of it aside
  const int count = static_cast<int>(Routines.size());
  TEditWindow window(*this);
  window.IndexRoutines();
  window.LookAtUsesClauses();
  window.CountReferrers();
  window.MeasureGrowth();
  window.HoldAsideFrom(Keywords.empty() ? Text.size() : std::max(Keywords.front()->Position - 1, 0));
  for (int i = 0; i < count; ++i) {
    const TRoutineInfo* r = Routines[i];
    window.Cover(window.PositionOf(r->kiEnd ? r->kiEnd : r));
    if (ScanProgressDue()) DisplayInfoPlus(Trt("Routine ") + std::to_string(i + 1) + " / " + std::to_string(count));
    if (ScanCancelled()) Abort();  // the routines edited so far keep their changes
    LastRefusal.clear();
    switch (Routines[i]->CodeState) {
      case 1:
        if (ScanActions.Missing == 3) AddCode(i, 1);
        break;
      case 2:
        if (ScanActions.Correct == 1) RemoveCode(i);
        break;
      case 3:
        if (ScanActions.Incorrect == 1)
          RemoveCode(i);
        else if (ScanActions.Incorrect == 2)
          UpdateCode(i);
        break;
      default:
        break;  // Ignored routines are left alone
    }
    if (!LastRefusal.empty()) RefusedEdits.push_back({i, LastRefusal});
  }
  DisplayInfoPlus("");
} catch (...) {
  VIX->Push("Procedure TSourceScanner.ScanRoutines");
  throw;
}

// The first routine, in list order, placed at or before R whose begin lies
// at or after R's: the first whose latest begin so far reaches R's begin.
// The routines up to R have all been at hand, so their begins lie in the
// window with today's positions.
TRoutineInfo* TSourceScanner::Level1RoutineInScan(const TRoutineInfo* R) const try {
  const int index = IndexOfRoutine(R);
  if (index == -1 || R->kiBegin == nullptr || FWindow->LatestBegin.size() != Routines.size())
    return index == -1 ? nullptr : Routines[index];
  const int begin = R->kiBegin->Position;
  const auto& latest = FWindow->LatestBegin;
  const auto reaches = [begin](const TRoutineInfo* r) { return r != nullptr && r->kiBegin->Position >= begin; };
  int low = 0;
  int high = index;  // R itself reaches its own begin
  while (low < high) {
    const int mid = (low + high) / 2;
    if (reaches(latest[mid]))
      high = mid;
    else
      low = mid + 1;
  }
  return Routines[low];
} catch (...) {
  VIX->Push("Function TSourceScanner.Level1RoutineInScan");
  throw;
}

int TSourceScanner::RoutineIndexInScan(const TRoutineInfo* R) const try {
  const auto it = FWindow->RoutineIndex.find(R);
  return it == FWindow->RoutineIndex.end() ? -1 : it->second;
} catch (...) {
  VIX->Push("Function TSourceScanner.RoutineIndexInScan");
  throw;
}

bool TSourceScanner::BlockIsReferredTo(int Try, int Clause, int End) const try {
  const TKeywordInfo* gone[] = {Keywords[Try].get(), Keywords[Clause].get(), Keywords[End].get()};
  if (FWindow) {
    // The clause's own link to the end is the one expected.
    const auto referrers = [this](const TKeywordInfo* K) {
      const auto it = FWindow->Referrers.find(K);
      return it == FWindow->Referrers.end() ? 0 : it->second;
    };
    return referrers(gone[0]) != 0 || referrers(gone[1]) != 0 || referrers(gone[2]) != 1;
  }
  const auto isGone = [&gone](const TKeywordInfo* k) { return k == gone[0] || k == gone[1] || k == gone[2]; };
  for (const auto& k : Keywords) {
    if (IsRoutineKind(k->Keyword)) {
      const auto& other = static_cast<const TRoutineInfo&>(*k);
      if (isGone(other.kiBegin) || isGone(other.kiEnd)) return true;
    } else if (IsClauseKind(k->Keyword) && k.get() != gone[1] &&
               isGone(static_cast<const TExceptClauseInfo&>(*k).kiEnd)) {
      return true;
    }
  }
  return false;
} catch (...) {
  VIX->Push("Function TSourceScanner.BlockIsReferredTo");
  throw;
}

void TSourceScanner::GetStats(std::array<int, 4>& AModifications, std::array<int, 4>& CodeStatus) const try {
  DisplayInfoPlus(Trt("Computing Statistics..."));
  if (ScanCancelled()) Abort();
  for (int k = 0; k < 3; ++k) AModifications[k] = 0;  // the fourth is not counted
  CodeStatus.fill(0);
  for (const TRoutineInfo* r : Routines) {
    if (r->CodeState >= 1 && r->CodeState <= 4) ++CodeStatus[r->CodeState - 1];
    if (r->State >= 1 && r->State <= 3) ++AModifications[r->State - 1];
  }
  DisplayInfoPlus("");
} catch (...) {
  VIX->Push("Procedure TSourceScanner.GetStats");
  throw;
}

void TSourceScanner::ShiftFollowing(int FromIndex, int Delta) try {
  AdaptNextRoutinesPos(FromIndex, Delta);
  if (FWindow) FWindow->Pending += Delta;  // all held aside lie after the edit
} catch (...) {
  VIX->Push("Procedure TSourceScanner.ShiftFollowing");
  throw;
}

// The library unit goes into the uses clause with the first block; the
// search for it is a pass over the unit's head, not repeated for every block.
void TSourceScanner::EnsureLibraryUnit() try {
  if (LibraryUnitEnsured) return;
  LibraryUnitEnsured = true;
  // Refused, the block being updated already calls the library: the uses
  // clauses stay as they are.
  if (LibraryUnitRefusal() != nullptr) return;
  if (FWindow && FWindow->HeadHoldsUses && !FConditionalUses) {
    const std::size_t before = Text.size();
    AddPlainLibraryUnit();
    FWindow->Pending += static_cast<int>(Text.size() - before);  // all held aside lie after it
    return;
  }
  // Otherwise the uses clauses are looked for in the whole text.
  const std::size_t end = Text.size();
  if (FWindow) FWindow->Close();
  int growth = 0;  // of the text the window held
  if (FConditionalUses) {
    // Clauses of later branches, and their blocks' ends, may lie past the
    // window: only what goes in before its end moves its end.
    const TLibraryUnitPlan plan = PlanLibraryUnit();
    if (plan.Refusal == nullptr && !plan.InUse) growth = InsertLibraryUnit(plan, static_cast<int>(end));
  } else {
    const std::size_t before = Text.size();
    // A clause without its ";" before the first keyword has swallowed code:
    // the unit's name would land inside it.
    int usesPos = -1;
    int endPos = -1;
    GetUsesClause(2, usesPos, endPos);
    if (usesPos == -1 || Keywords.empty() || (endPos != -1 && endPos < Keywords.front()->Position))
      AddQuellumUnitInUse();
    growth = static_cast<int>(Text.size() - before);
  }
  if (FWindow) FWindow->HoldAsideFrom(end + growth);
} catch (...) {
  VIX->Push("Procedure TSourceScanner.EnsureLibraryUnit");
  throw;
}
