// The keyword scan: the keywords of the implementation section with their
// nesting levels and links, the structure checks with the error record, and
// the debug listing.
#include <algorithm>

#include "KeywordKinds.h"
#include "Lumbrick.h"
#include "RefusalReasons.h"
#include "ScanProgress.h"
#include "SourceScanner.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

// The kinds the scan looks for, in the order it looks for them. The unit's
// own section keywords are never searched.
constexpr int SearchedKinds[] = {kwBegin,     kwEnd,        kwRecord,   kwClass,       kwObject,
                                 kwDispinterface, kwInterfaceType, kwCase, kwAsm,     kwProcedure,
                                 kwFunction,  kwConstructor, kwDestructor, kwExternal, kwForward,
                                 kwTry,       kwExcept,     kwFinally,  kwInitialization, kwFinalization};

const std::string CRLF = "\r\n";

// Long stretches without a progress text let the log look for events now and
// then; asking its clock at every step would cost more than the steps.
constexpr std::size_t kPulseEvery = 64;

// "Keyword 3 / 120 (1)": the progress of one pass over the keywords.
void ShowPassProgress(const std::string& Label, std::size_t i, std::size_t n, const std::string& Suffix) try {
  if (!ScanProgressDue()) return;  // spares composing texts no one would see
  DisplayInfoPlus(Trt(Label) + std::to_string(i + 1) + " / " + std::to_string(n) + Suffix);
} catch (...) {
  VIX->Push("Procedure ShowPassProgress");
  throw;
}

void AbortIfCancelled() try {
  if (ScanCancelled()) Abort();
} catch (...) {
  VIX->Push("Procedure AbortIfCancelled");
  throw;
}

// Clears the progress line on the way out of a scan that failed, without
// letting a second failure replace the first.
void ClearProgressQuietly() noexcept {
  try {
    DisplayInfoPlus("");
  } catch (...) {
  }
}

}  // namespace

void TSourceScanner::FillKeyWordsList() try {
  if (ErrorCode != 0) return;
  ClearKeyWordList();
  LibraryUnitEnsured = false;  // a new scan, a new round of edits
  LibraryUnitPlanned = false;
  try {
    const int implementation = FindToken("implementation", LeftDelimiters, 1, RightDelimiters);
    if (implementation == -1) {
      SetErrorMessage(2, Trt("Error in Unit Structure."), Trt("Implementation Keyword Missing."));
    } else {
      DisplayInfoPlus(Trt("Searching Keywords..."));
      Keywords = GetKeywordsList(SearchedKinds, implementation);

      DisplayInfoPlus(Trt("Cleaning Keywords..."));
      RemoveInitializationSection();
      RemoveTypeDeclarations();
      if (!RemoveExternalForwards()) {
        SetErrorMessage(120, Trt("Error in Routines."), Trt("Invalid External or Forward Clause."));
        Abort();
      }

      // Levels: a routine, its begin and its closing end share one level; the
      // keywords of its body lie one deeper, an except or finally at the
      // level of its try.
      const std::size_t n = Keywords.size();
      int level = 0;
      int routineLevel = -1;
      for (std::size_t i = 0; i < n; ++i) {
        ShowPassProgress("Keyword ", i, n, " (1)");
        TKeywordInfo& k = *Keywords[i];
        k.Level = level;
        if (IsRoutineKind(k.Keyword)) {
          k.Level = ++level;
          routineLevel = level;
        }
        if (IsOpeningKind(k.Keyword)) k.Level = level++;
        if (IsClauseKind(k.Keyword)) k.Level = level - 1;
        if (k.Keyword == kwEnd) {
          k.Level = --level;
          if (routineLevel == level) {
            --level;
            --routineLevel;
          }
        }
      }

      // Links of the routines: heading, body and end, looked for before the
      // next routine of the same level or an outer one. A heading whose begin
      // is not there has no body of its own (it begins in an include file):
      // it gets none, rather than the next routine's.
      for (std::size_t i = 0; i < n; ++i) {
        ShowPassProgress("Keyword ", i, n, " (2)");
        if (!IsRoutineKind(Keywords[i]->Keyword)) continue;
        auto& routine = static_cast<TRoutineInfo&>(*Keywords[i]);
        const int semi = FindCharInCodeAfter(';', routine.Position);
        const int count = semi == -1 ? Length() - routine.Position + 1 : semi - routine.Position + 1;
        routine.SetHeader(CopyCode(routine.Position, count));
        routine.kiBegin = nullptr;
        routine.kiEnd = nullptr;
        const std::size_t scopeEnd = RoutineScopeEnd(i);
        for (std::size_t j = i + 1; j < scopeEnd && routine.kiBegin == nullptr; ++j) {
          const TKeywordInfo& k = *Keywords[j];
          if (k.Level == routine.Level && (k.Keyword == kwBegin || k.Keyword == kwAsm)) routine.kiBegin = Keywords[j].get();
        }
        // A heading without a body of its own gets no end either.
        const bool hasBody = routine.kiBegin != nullptr || scopeEnd == n;
        for (std::size_t j = i + 1; j < scopeEnd && hasBody && routine.kiEnd == nullptr; ++j) {
          const TKeywordInfo& k = *Keywords[j];
          if (k.Keyword == kwEnd && k.Level == routine.Level) routine.kiEnd = Keywords[j].get();
        }
      }

      // Links of the except and finally clauses to their ends.
      for (std::size_t i = 0; i < n; ++i) {
        ShowPassProgress("Keyword ", i, n, " (3)");
        if (!IsClauseKind(Keywords[i]->Keyword)) continue;
        auto& clause = static_cast<TExceptClauseInfo&>(*Keywords[i]);
        clause.kiEnd = nullptr;
        for (std::size_t j = i + 1; j < n && clause.kiEnd == nullptr; ++j) {
          const TKeywordInfo& k = *Keywords[j];
          if (k.Keyword == kwEnd && k.Level == clause.Level) clause.kiEnd = Keywords[j].get();
        }
      }

      DisplayInfoPlus(Trt("Updating Routine List"));
      UpdateRoutineList();
      DisplayInfoPlus(Trt("Checking Routine List"));
      CheckKeywordsList();
      if (ErrorCode == 0) {
        for (std::size_t i = 0; i < Keywords.size(); ++i) {
          if (i % kPulseEvery == 0) ScanPulse();
          CheckRoutineCodeState(static_cast<int>(i));
        }
        FindRoutinesInBodies();
      }
    }
  } catch (...) {
    ClearProgressQuietly();
    throw;
  }
  DisplayInfoPlus("");
} catch (...) {
  VIX->Push("Procedure TSourceScanner.FillKeyWordsList");
  throw;
}

std::size_t TSourceScanner::RoutineScopeEnd(std::size_t i) const try {
  const int level = Keywords[i]->Level;
  for (std::size_t j = i + 1; j < Keywords.size(); ++j)
    if (IsRoutineKind(Keywords[j]->Keyword) && Keywords[j]->Level <= level) return j;
  return Keywords.size();
} catch (...) {
  VIX->Push("Function TSourceScanner.RoutineScopeEnd");
  throw;
}

// No begin of its level before the next routine of its level or an outer
// one. Where no such routine follows, the begin is simply missing (error 101).
bool TSourceScanner::HasNoBodyOfItsOwn(std::size_t i) const try {
  const auto& routine = static_cast<const TRoutineInfo&>(*Keywords[i]);
  return routine.kiBegin == nullptr && RoutineScopeEnd(i) < Keywords.size();
} catch (...) {
  VIX->Push("Function TSourceScanner.HasNoBodyOfItsOwn");
  throw;
}

void TSourceScanner::FindRoutinesInBodies() try {
  FRoutinesInBodies.clear();
  std::size_t n = 0;
  for (TRoutineInfo* r : Routines) {
    if (n++ % kPulseEvery == 0) ScanPulse();
    const int begin = IndexOfKeyword(r->kiBegin);
    const int end = IndexOfKeyword(r->kiEnd);
    for (int i = begin + 1; begin != -1 && i < end; ++i)
      if (IsRoutineKind(Keywords[i]->Keyword)) {
        FRoutinesInBodies.emplace(r, RefusedHoldsRoutine);
        FRoutinesInBodies.insert_or_assign(static_cast<const TRoutineInfo*>(Keywords[i].get()), RefusedInsideBody);
      }
  }
} catch (...) {
  VIX->Push("Procedure TSourceScanner.FindRoutinesInBodies");
  throw;
}

std::vector<std::unique_ptr<TKeywordInfo>> TSourceScanner::GetKeywordsList(std::span<const int> Kinds,
                                                                           int Start) const try {
  std::vector<std::unique_ptr<TKeywordInfo>> list;
  for (int kind : Kinds) {
    if (kind < 0 || kind >= static_cast<int>(KeywordTable.size())) continue;
    const std::string_view token = KeywordTable[kind];
    int p = Start - 1;  // a hit at Start itself counts
    ScanPulse();
    for (std::size_t hits = 0; (p = PosAfterInCode(token, p)) != -1;) {
      if (++hits % kPulseEvery == 0) ScanPulse();
      if (!CheckTokenDelimitors(token, LeftDelimiters, p, RightDelimiters)) continue;
      if (IsRoutineKind(kind))
        list.push_back(std::make_unique<TRoutineInfo>(p, kind));
      else if (IsClauseKind(kind))
        list.push_back(std::make_unique<TExceptClauseInfo>(p, kind));
      else
        list.push_back(std::make_unique<TKeywordInfo>(p, kind));
    }
  }
  std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return SortKeywordsByPosition(*a, *b) < 0; });
  return list;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetKeywordsList");
  throw;
}

int TSourceScanner::GetFirstKeyword(int Kind) const try {
  for (std::size_t i = 0; i < Keywords.size(); ++i)
    if (Keywords[i]->Keyword == Kind) return static_cast<int>(i);
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetFirstKeyword");
  throw;
}

// The routines of the initialization and finalization sections are not
// the unit's routines: everything from the initialization keyword on goes.
void TSourceScanner::RemoveInitializationSection() try {
  const int i = GetFirstKeyword(kwInitialization);
  if (i != -1) Keywords.erase(Keywords.begin() + i, Keywords.end());
} catch (...) {
  VIX->Push("Procedure TSourceScanner.RemoveInitializationSection");
  throw;
}

// A type declared in the implementation section goes with the keywords up to
// its end: its method declarations and variant parts included. A type keyword
// that no end closes (procedure of object, class of, a class method's class
// prefix, a forward class) goes alone.
void TSourceScanner::RemoveTypeDeclarations() try {
  for (int kind : {kwRecord, kwClass, kwObject, kwDispinterface, kwInterfaceType}) {
    int i;
    while ((i = GetFirstKeyword(kind)) != -1) {
      int end = -1;
      for (std::size_t j = i + 1; j < Keywords.size(); ++j) {
        const int k = Keywords[j]->Keyword;
        if (k == kwCase || IsRoutineKind(k)) continue;
        if (k == kwEnd) end = static_cast<int>(j);
        break;
      }
      Keywords.erase(Keywords.begin() + i, Keywords.begin() + (end == -1 ? i : end) + 1);
    }
  }
} catch (...) {
  VIX->Push("Procedure TSourceScanner.RemoveTypeDeclarations");
  throw;
}

bool TSourceScanner::RemoveExternalForwards() try {
  for (int kind : {kwExternal, kwForward}) {
    int i;
    while ((i = GetFirstKeyword(kind)) != -1) {
      const int before = i > 0 ? Keywords[i - 1]->Keyword : -1;
      if (before != kwProcedure && before != kwFunction) return false;
      Keywords.erase(Keywords.begin() + i - 1, Keywords.begin() + i + 1);
    }
  }
  return true;
} catch (...) {
  VIX->Push("Function TSourceScanner.RemoveExternalForwards");
  throw;
}

void TSourceScanner::UpdateRoutineList() try {
  Routines.clear();
  for (const auto& k : Keywords)
    if (IsRoutineKind(k->Keyword)) Routines.push_back(static_cast<TRoutineInfo*>(k.get()));
} catch (...) {
  VIX->Push("Procedure TSourceScanner.UpdateRoutineList");
  throw;
}

void TSourceScanner::CheckKeywordsList() try {
  const std::size_t n = Keywords.size();
  for (std::size_t i = 0; i < n && ErrorCode == 0; ++i) {
    ShowPassProgress("Checking Keyword ", i, n, "");
    AbortIfCancelled();
    const TKeywordInfo& k = *Keywords[i];
    // Counted only for an error: counting is a pass over the text before it.
    const auto line = [this, &k] { return std::to_string(GetLineNum(k.Position)); };
    if (k.Level < 0) SetErrorMessage(52, Trt("Error in Keywords at line ") + line(), Trt("Unexpected ") + k.GetKeyword());
    if (IsRoutineKind(k.Keyword) && !HasNoBodyOfItsOwn(i)) {
      const auto& routine = static_cast<const TRoutineInfo&>(k);
      const auto fail = [&](int Code, const std::string& Sentence) {
        SetErrorMessage(Code, Trt("Error in Routine at line ") + line(),
                        ">>> " + routine.Header + " <<<" + CRLF + Trt(Sentence));
      };
      if (ErrorCode == 0 && routine.kiBegin == nullptr) fail(101, "No Begin Found.");
      if (ErrorCode == 0 && routine.kiEnd == nullptr) fail(102, "No End Found.");
      if (ErrorCode == 0 && routine.kiEnd->Position <= routine.kiBegin->Position) fail(104, "Invalid End.");
    }
    if (IsClauseKind(k.Keyword) && static_cast<const TExceptClauseInfo&>(k).kiEnd == nullptr)
      SetErrorMessage(151, Trt("Error in Except Clause at line ") + line(), k.GetKeyword() + ": " + Trt("No End Found."));
  }

  // A uses clause that cannot be read records error 3 itself.
  DisplayInfoPlus(Trt("Checking Interface Uses Clause"));
  AbortIfCancelled();
  if (ErrorCode == 0) GetUsesClauseSources(1);
  DisplayInfoPlus(Trt("Checking Implementation Uses Clause"));
  AbortIfCancelled();
  if (ErrorCode == 0) GetUsesClauseSources(2);
  DisplayInfoPlus("");
  AbortIfCancelled();
} catch (...) {
  VIX->Push("Procedure TSourceScanner.CheckKeywordsList");
  throw;
}

std::string TSourceScanner::GetErrorMessage() const try {
  return Trt("Error") + " " + std::to_string(ErrorCode) + ": " + ErrorTitle + CRLF + ErrorText;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetErrorMessage");
  throw;
}

std::string TSourceScanner::DebugGetKeyWordsText() const try {
  std::string s;
  for (const auto& k : Keywords) {
    s += IsRoutineKind(k->Keyword) && k->Level == 1 ? CRLF + CRLF : CRLF;
    s += k->GetText();
  }
  std::size_t lead = 0;
  while (s.compare(lead, 2, CRLF) == 0) lead += 2;
  return s.substr(lead);
} catch (...) {
  VIX->Push("Function TSourceScanner.DebugGetKeyWordsText");
  throw;
}
