// The conditional directives around a unit's uses clauses, and the plan that
// gives the library unit to every configuration (UsesConditions.h).
#include <algorithm>
#include <cctype>

#include "Lumbrick.h"
#include "RefusalReasons.h"
#include "SourceScanner.h"
#include "SysUtils.h"
#include "UsesConditions.h"

namespace {

constexpr std::string_view Implementation = "implementation";
constexpr std::string_view LibraryUnit = "lumbrick";
const std::string CRLF = "\r\n";
// The clause for the configurations that have none of their own.
constexpr std::string_view GuardOpening = "{$IF NOT DECLARED(TLumbrick)}";
constexpr std::string_view GuardClause = "Uses Lumbrick;";
constexpr std::string_view GuardClosing = "{$IFEND}";

enum class TDirective { Open, Else, ElseIf, Close, Other };

// What follows a place where code is read: the next code character that is
// not a blank, the next directive, or the end of the code (the text after
// the final end, a construct left open, the end of the text).
struct TEvent {
  enum TType { End, Code, Directive } Type = End;
  int Pos = -1;   // first character
  int Last = -1;  // last character
  TDirective Kind = TDirective::Other;
};

bool IsBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The kind of the directive whose name starts at index I of Text.
TDirective DirectiveKind(const std::string& Text, std::size_t I) try {
  std::string name;
  for (; I < Text.size() && std::isalpha(static_cast<unsigned char>(Text[I])); ++I)
    name += static_cast<char>(std::toupper(static_cast<unsigned char>(Text[I])));
  if (name == "IF" || name == "IFDEF" || name == "IFNDEF" || name == "IFOPT") return TDirective::Open;
  if (name == "ELSE") return TDirective::Else;
  if (name == "ELSEIF") return TDirective::ElseIf;
  if (name == "ENDIF" || name == "IFEND") return TDirective::Close;
  return TDirective::Other;
} catch (...) {
  VIX->Push("Function DirectiveKind");
  throw;
}

// From must be a place where code is read: a comment met on the way is then
// known to open there.
TEvent NextEvent(const TSourceScanner& S, int From) try {
  const std::string& t = S.Text;
  const int n = static_cast<int>(t.size());
  for (int p = std::max(From, 1); p <= n;) {
    const char c = t[p - 1];
    if (IsBlank(c)) {
      ++p;
      continue;
    }
    const int status = S.CharStatus(p);
    if ((status == 2 && c == '{') || (status == 4 && c == '(')) {
      const bool brace = c == '{';
      const std::size_t body = brace ? p : p + 1;  // the index after "{" or "(*"
      const std::size_t close = brace ? t.find('}', body) : t.find("*)", body);
      if (close == std::string::npos) return {};
      const int last = static_cast<int>(close) + (brace ? 1 : 2);
      if (body < t.size() && t[body] == '$') return {TEvent::Directive, p, last, DirectiveKind(t, body + 1)};
      p = last + 1;
    } else if (status == 3) {
      while (p <= n && S.CharStatus(p) == 3) ++p;
    } else if (status == 0 || status == 1) {
      return {TEvent::Code, p, p};
    } else {
      return {};
    }
  }
  return {};
} catch (...) {
  VIX->Push("Function NextEvent");
  throw;
}

// The nesting of conditional blocks at To, counted from From; -1 when a
// branch or the end of a block that was open at From comes first, To then
// standing under other conditions than From.
int DirectiveDepth(const TSourceScanner& S, int From, int To) try {
  int depth = 0;
  for (TEvent e = NextEvent(S, From); e.Type != TEvent::End && e.Pos < To; e = NextEvent(S, e.Last + 1)) {
    if (e.Type != TEvent::Directive || e.Kind == TDirective::Other) continue;
    if (e.Kind == TDirective::Open)
      ++depth;
    else if (depth == 0)
      return -1;
    else if (e.Kind == TDirective::Close)
      --depth;
  }
  return depth;
} catch (...) {
  VIX->Push("Function DirectiveDepth");
  throw;
}

// The head of a section as the configurations read it: in each branch, the
// conditional blocks up to its first code, which is a uses clause or not.
struct THeadItem {
  enum TKind { Clause, Code, Block } Kind = Code;
  int Pos = -1;       // the clause's "uses", the code's first character, the block's opening directive
  int OpenLast = -1;  // a block: the last character of its opening directive
  int End = -1;       // a clause: its ";"; a block: the last character of its closing directive
  bool HasElse = false;
  std::vector<std::vector<THeadItem>> Branches;
};
using THeadItems = std::vector<THeadItem>;

bool HoldsClause(const THeadItem& Item) {
  if (Item.Kind == THeadItem::Clause) return true;
  for (const THeadItems& branch : Item.Branches)
    if (std::any_of(branch.begin(), branch.end(), HoldsClause)) return true;
  return false;
}

class THeadReader {
 public:
  explicit THeadReader(const TSourceScanner& AScanner) : S(AScanner) {}
  // From the section's keyword to its first code that stands under no block.
  THeadItems ReadSection(int From);
  // Set where the directives do not nest within the section's head.
  bool Unsafe = false;

 private:
  THeadItems ReadBranch(int& P, TEvent& Stop);
  THeadItem ReadBlock(const TEvent& Opening, int& P);
  THeadItem CodeAt(int P);
  // The directive that ends the branch P stands in, P being past its head.
  TEvent SkipBranch(int P);

  const TSourceScanner& S;
};

THeadItems THeadReader::ReadSection(int From) try {
  THeadItems items;
  int p = From;
  while (!Unsafe) {
    const TEvent e = NextEvent(S, p);
    if (e.Type == TEvent::End) break;
    if (e.Type == TEvent::Code) {
      items.push_back(CodeAt(e.Pos));
      break;
    }
    if (e.Kind == TDirective::Open)
      items.push_back(ReadBlock(e, p));
    else if (e.Kind == TDirective::Other)
      p = e.Last + 1;
    else
      Unsafe = true;  // a branch of a block opened before the section
  }
  return items;
} catch (...) {
  VIX->Push("Function THeadReader.ReadSection");
  throw;
}

THeadItem THeadReader::ReadBlock(const TEvent& Opening, int& P) try {
  THeadItem block;
  block.Kind = THeadItem::Block;
  block.Pos = Opening.Pos;
  block.OpenLast = Opening.Last;
  P = Opening.Last + 1;
  while (!Unsafe) {
    TEvent stop;
    block.Branches.push_back(ReadBranch(P, stop));
    if (Unsafe) break;
    if (stop.Type == TEvent::End) {
      Unsafe = true;  // never closed
      break;
    }
    P = stop.Last + 1;
    if (stop.Kind == TDirective::Close) {
      block.End = stop.Last;
      break;
    }
    if (stop.Kind == TDirective::Else) block.HasElse = true;
  }
  return block;
} catch (...) {
  VIX->Push("Function THeadReader.ReadBlock");
  throw;
}

THeadItems THeadReader::ReadBranch(int& P, TEvent& Stop) try {
  THeadItems items;
  while (!Unsafe) {
    const TEvent e = NextEvent(S, P);
    if (e.Type == TEvent::End) {
      Stop = e;
      break;
    }
    if (e.Type == TEvent::Code) {
      items.push_back(CodeAt(e.Pos));
      if (!Unsafe) Stop = SkipBranch(items.back().Kind == THeadItem::Clause ? items.back().End + 1 : e.Pos + 1);
      break;
    }
    if (e.Kind == TDirective::Open) {
      items.push_back(ReadBlock(e, P));
    } else if (e.Kind == TDirective::Other) {
      P = e.Last + 1;
    } else {
      Stop = e;
      break;
    }
  }
  return items;
} catch (...) {
  VIX->Push("Function THeadReader.ReadBranch");
  throw;
}

THeadItem THeadReader::CodeAt(int P) try {
  THeadItem item;
  item.Pos = P;
  std::string word = S.Text.substr(P - 1, 4);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (word != "uses" || !S.CheckTokenDelimitors("uses", LeftDelimiters, P, RightDelimiters)) return item;
  item.Kind = THeadItem::Clause;
  item.End = S.FindCharInCodeAfter(';', P);
  // A clause ends under the conditions it began under.
  if (item.End == -1 || DirectiveDepth(S, P, item.End) != 0) Unsafe = true;
  return item;
} catch (...) {
  VIX->Push("Function THeadReader.CodeAt");
  throw;
}

TEvent THeadReader::SkipBranch(int P) try {
  int depth = 0;
  for (TEvent e = NextEvent(S, P); e.Type != TEvent::End; e = NextEvent(S, e.Last + 1)) {
    if (e.Type != TEvent::Directive || e.Kind == TDirective::Other) continue;
    if (e.Kind == TDirective::Open)
      ++depth;
    else if (depth == 0)
      return e;
    else if (e.Kind == TDirective::Close)
      --depth;
  }
  return {};
} catch (...) {
  VIX->Push("Function THeadReader.SkipBranch");
  throw;
}

// The indentation of P's line.
std::string Indentation(const TSourceScanner& S, int P) try {
  const int line = S.GetStartOfLine(P);
  int q = line;
  while (q < P && (S.Text[q - 1] == ' ' || S.Text[q - 1] == '\t')) ++q;
  return S.Text.substr(line - 1, q - line);
} catch (...) {
  VIX->Push("Function Indentation");
  throw;
}

std::string GuardLines(const std::string& Indent) try {
  return Indent + std::string(GuardOpening) + CRLF + Indent + std::string(GuardClause) + CRLF + Indent +
         std::string(GuardClosing) + CRLF;
} catch (...) {
  VIX->Push("Function GuardLines");
  throw;
}

class TPlanner {
 public:
  TPlanner(const TSourceScanner& AScanner, TLibraryUnitPlan& APlan) : S(AScanner), Plan(APlan) {}
  // Gives the unit to every configuration that reads Items, Covered telling
  // whether each already has a clause; whether each has one after them.
  bool Give(const THeadItems& Items, bool Covered);
  // Whether the clause names the unit; refused where it names it under a
  // condition of its own.
  bool Names(const THeadItem& Clause);

 private:
  bool IsGuard(const THeadItem& Block) const;
  void GuardBefore(const THeadItem& Code, const THeadItem* Previous);

  const TSourceScanner& S;
  TLibraryUnitPlan& Plan;
};

bool TPlanner::Give(const THeadItems& Items, bool Covered) try {
  const THeadItem* previous = nullptr;
  for (const THeadItem& item : Items) {
    if (Plan.Refusal != nullptr) break;
    if (item.Kind == THeadItem::Clause) {
      if (!Names(item)) Plan.Insertions.emplace_back(item.End, ", Lumbrick");
      Covered = true;
    } else if (item.Kind == THeadItem::Block) {
      if (IsGuard(item)) {
        Covered = true;
      } else {
        bool all = item.HasElse;
        for (const THeadItems& branch : item.Branches) {
          const bool covered = Give(branch, Covered);
          all = all && covered;
        }
        Covered = Covered || all;
      }
    } else if (!Covered) {
      // The configurations that have read no clause up to this code never
      // will: they get theirs here.
      GuardBefore(item, previous);
      Covered = true;
    }
    previous = &item;
  }
  return Covered;
} catch (...) {
  VIX->Push("Function TPlanner.Give");
  throw;
}

bool TPlanner::Names(const THeadItem& Clause) try {
  const std::string left = std::string(LeftDelimiters) + ",";
  const std::string right = std::string(RightDelimiters) + ",";
  bool named = false;
  for (int p = Clause.Pos; (p = S.FindTokenBefore(LibraryUnit, left, p, right, Clause.End)) != -1;) {
    // Named under a condition, adding it would name it twice there.
    if (DirectiveDepth(S, Clause.Pos, p) != 0) {
      Plan.Refusal = RefusedConditionalUses;
      return true;
    }
    named = true;
  }
  return named;
} catch (...) {
  VIX->Push("Function TPlanner.Names");
  throw;
}

// A guarded clause this assistant wrote before: its opening, any letter case
// and blanks, and one clause in its one branch.
bool TPlanner::IsGuard(const THeadItem& Block) const try {
  if (Block.Branches.size() != 1 || Block.Branches[0].size() != 1 || Block.Branches[0][0].Kind != THeadItem::Clause)
    return false;
  const auto squeeze = [](std::string_view Text) {
    std::string r;
    for (char c : Text)
      if (!IsBlank(c)) r += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
  };
  return squeeze(std::string_view(S.Text).substr(Block.Pos - 1, Block.OpenLast - Block.Pos + 1)) ==
         squeeze(GuardOpening);
} catch (...) {
  VIX->Push("Function TPlanner.IsGuard");
  throw;
}

void TPlanner::GuardBefore(const THeadItem& Code, const THeadItem* Previous) try {
  const std::string& t = S.Text;
  const int n = static_cast<int>(t.size());
  // On lines of their own after the block before the code, when nothing
  // follows its closing directive on its line.
  if (Previous != nullptr && Previous->Kind == THeadItem::Block) {
    int q = Previous->End + 1;
    while (q <= n && (t[q - 1] == ' ' || t[q - 1] == '\t')) ++q;
    if (q < n && t[q - 1] == '\r' && t[q] == '\n' && q + 2 <= Code.Pos) {
      Plan.Insertions.emplace_back(q + 2, GuardLines(Indentation(S, Previous->End)));
      return;
    }
  }
  // On lines of their own before the code when it opens its line, else
  // right before it.
  const int line = S.GetStartOfLine(Code.Pos);
  const std::string indent = Indentation(S, Code.Pos);
  if (line + static_cast<int>(indent.size()) == Code.Pos)
    Plan.Insertions.emplace_back(line, GuardLines(indent));
  else
    Plan.Insertions.emplace_back(
        Code.Pos, std::string(GuardOpening) + " " + std::string(GuardClause) + " " + std::string(GuardClosing) + " ");
} catch (...) {
  VIX->Push("Procedure TPlanner.GuardBefore");
  throw;
}

}  // namespace

TLibraryUnitPlan TSourceScanner::PlanLibraryUnit() const try {
  TLibraryUnitPlan plan;
  if (IsLibraryOwnUnit()) {
    plan.InUse = true;
    return plan;
  }
  const int implementation = FindToken(Implementation, LeftDelimiters, 0, RightDelimiters);
  if (implementation == -1) return plan;

  // The unit named in the interface serves the implementation, unless it is
  // named under a condition that the implementation keyword is not under.
  const std::string left = std::string(LeftDelimiters) + ",";
  const std::string right = std::string(RightDelimiters) + ",";
  for (int u = FindTokenBefore("uses", LeftDelimiters, 0, RightDelimiters, implementation); u != -1;
       u = FindTokenBefore("uses", LeftDelimiters, u, RightDelimiters, implementation)) {
    const int end = FindCharInCodeAfter(';', u);
    if (end == -1 || end > implementation) break;
    for (int p = u; (p = FindTokenBefore(LibraryUnit, left, p, right, end)) != -1;) {
      if (DirectiveDepth(*this, p, implementation) == -1) {
        plan.Refusal = RefusedConditionalUses;
        return plan;
      }
      plan.InUse = true;
    }
  }
  if (plan.InUse) return plan;

  THeadReader reader(*this);
  const THeadItems head = reader.ReadSection(implementation + static_cast<int>(Implementation.size()));
  if (reader.Unsafe) {
    plan.Refusal = RefusedConditionalUses;
    return plan;
  }
  TPlanner planner(*this, plan);
  plan.Conditional = std::any_of(head.begin(), head.end(), [](const THeadItem& Item) {
    return Item.Kind == THeadItem::Block && HoldsClause(Item);
  });
  if (!plan.Conditional) {
    // The section's one clause receives the unit as it always did.
    if (!head.empty() && head.back().Kind == THeadItem::Clause) plan.InUse = planner.Names(head.back());
    return plan;
  }
  // Every configuration reaches code, at the latest the final end.
  if (!planner.Give(head, false) && plan.Refusal == nullptr) plan.Refusal = RefusedConditionalUses;
  std::stable_sort(plan.Insertions.begin(), plan.Insertions.end(),
                   [](const auto& A, const auto& B) { return A.first < B.first; });
  return plan;
} catch (...) {
  VIX->Push("Function TSourceScanner.PlanLibraryUnit");
  throw;
}
