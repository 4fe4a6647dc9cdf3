// One Pascal unit source: its text, a parallel status string telling for
// every character whether it is code, a string literal, a comment or text
// after the final "end.", the unit's keyword and routine lists, the first
// structure error found and the routine counts.
//
// Positions are 1-based character indexes into Text; -1 means "none". Source
// texts break lines with CR LF, and the line helpers find line ends by that
// pair (CR CR LF is one line break too). A file whose line breaks are all LF
// alone, the convention of this host, is held with CR LF and saved back with
// LF. Every edit inserts or deletes the same range in Text and TextStatus, so
// Length(TextStatus) = Length(Text) always.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Files.h"
#include "KeywordInfo.h"

class TRoutineEdit;
struct TLibraryUnitPlan;

// Characters allowed directly before a token, and directly after one. The
// right set holds CR but not LF and the left set LF but not CR: a token at a
// line end is followed by its CR, one at a line start preceded by its LF.
inline constexpr std::string_view LeftDelimiters = " :;\t\n";
inline constexpr std::string_view RightDelimiters = " ;(\t\r";

// The status character of a status value: 0 to 5 give "0" to "5", any other
// value "0".
char CharTextStatus(int Value);

// The ignore marker as the edits write it, on its own line after a routine's
// begin line; found in any letter case.
inline constexpr std::string_view IgnoreMarker = "{Corvane.IgnoreRoutine}";

// A routine whose action a routine scan did not carry out, and why (one of
// RefusalReasons.h).
struct TRefusedEdit {
  int RoutineIndex;
  std::string Reason;
};

class TSourceScanner {
 public:
  // Sets the file name; the file is not read.
  explicit TSourceScanner(const std::string& AFileName);
  ~TSourceScanner();
  TSourceScanner(const TSourceScanner&) = delete;
  TSourceScanner& operator=(const TSourceScanner&) = delete;

  // --- Names and files ---------------------------------------------------
  // A different name clears Loaded and, with Load, reads the file (the
  // result is then the load's). The current name never reloads: True.
  bool SetFileName(const std::string& Name, bool Load);
  // Reads Text byte for byte, builds TextStatus and marks the text after the
  // final end (error 1 when there is none), clearing the error of the text it
  // replaces and the refusals. LF line breaks become CR LF (LFLineBreaks); a
  // file that mixes LF alone with CR LF is error 4 and is not edited. False
  // when the file cannot be read: nothing changes then.
  bool LoadSourceFile();
  // Replaces the file whole with Text, its line breaks as the file had them;
  // FileState 2. A failed write shows the error and ends the operation with
  // the silent abort, the file intact.
  bool SaveSourceFile();
  // The file is no longer the one Text was last read from or written to:
  // another size or modification time, or no file at all (changed or
  // deleted elsewhere since). False before the first read.
  bool FileChangedOnDisk() const;
  std::string GetUnitName() const;  // FileName without its folder
  void ClearKeyWordList();
  // Index in Keywords of the i-th routine; -1 for i outside the routines.
  int RoutineToKeywordIndex(int i) const;

  // --- Status string -----------------------------------------------------
  // "0" code, "1" string literal with its quotes, "2" brace comment, "3" line
  // comment without its CR LF, "4" parenthesis-star comment, "5" after the
  // final end. CR and LF keep their own characters, and so do the characters
  // of a construct still open at the end of AText.
  std::string ConvertIntoTextStatus(std::string_view AText) const;
  void SetTextAfterEndStatus();
  // -1 outside the text; the digit's value; 0 for CR, LF and an unmarked
  // quote; -1 for any other unmarked character.
  int CharStatus(int P) const;
  // Status 0, or a quote of a string literal.
  bool CharIsCode(int P) const;
  // Count characters from From: code kept, everything else as blanks.
  std::string CopyCode(int From, int Count) const;
  // The same, keeping string literals too.
  std::string NoCommentCopy(int From, int Count) const;

  // --- Lines -------------------------------------------------------------
  // The CR of the next CR LF after P (forward), or of the nearest one whose
  // LF lies before P (backward); -1 when none.
  int FindCRLF(int P, bool Forward) const;
  int GetStartOfLine(int P) const;
  int GetEndOfLine(int P) const;  // the LF ending P's line, or Length(Text)
  std::string GetLine(int P) const;
  int GetLineNum(int P) const;  // 1 + the CR LF pairs before P

  // --- Searches (From itself is never a hit) -----------------------------
  // The lower-case Sub in any letter case, its first character in code.
  int PosAfterInCode(std::string_view Sub, int From) const;
  int FindCharInCodeAfter(char C, int From) const;
  // The first delimited occurrence of Token (any letter case) whose last
  // character is code. One pass without backtracking: an occurrence that
  // overlaps a longer partial match is missed.
  int FindToken(std::string_view Token, std::string_view Left, int From, std::string_view Right) const;
  // Token at P is followed by a character of Right (or one that is not code)
  // and preceded by one of Left (or one that is not code, or the text start);
  // False when nothing follows it.
  bool CheckTokenDelimitors(std::string_view Token, std::string_view Left, int P, std::string_view Right) const;
  bool CheckRightDelimitedToken(std::string_view Token, std::string_view Extra, int P) const;
  // At or after From: code that is not a blank, TAB, CR or LF.
  int FindFirstSignificantChar(int From) const;
  // A delimited Token after TokenPos (set to Start first) whose next
  // significant character is C, at CharPos: how "end" + "." is found.
  bool FindRightDelimitedToken(std::string_view Token, char C, int& CharPos, int& TokenPos, int Start) const;
  // FindToken that gives up once a candidate would start at or after Limit.
  int FindTokenBefore(std::string_view Token, std::string_view Left, int From, std::string_view Right,
                      int Limit) const;

  // --- Errors ------------------------------------------------------------
  // Records an error unless one is already recorded: the first one stays.
  void SetErrorMessage(int Code, const std::string& Title, const std::string& AText);

  // --- Uses clauses ------------------------------------------------------
  // Which 1 or less: the first uses clause; 2 or more: the one after the
  // implementation keyword. UsesPos -1 when absent; EndPos (its ";") is set
  // only when the clause is found, -1 with error 3 when no ";" follows.
  void GetUsesClause(int Which, int& UsesPos, int& EndPos);
  // The units the clause names, in order (a quoted path as written); clears
  // ErrorCode first; error 3 at a bad entry, which ends the list.
  std::vector<std::string> GetUsesClauseSources(int Which);
  // The units of every uses clause, in every branch of the conditional
  // directives: Which 1 or less, those before the implementation keyword (in
  // the whole text when there is none); 2 or more, those after it. Clears
  // ErrorCode first; error 3 at a bad entry or a clause without its ";",
  // which ends the list. Names, when given, receives the unit name of each
  // entry listed (the name before "in" for a quoted path), in the same order.
  std::vector<std::string> GetEveryUsesClauseSources(int Which, std::vector<std::string>* Names = nullptr);
  bool IsQuellumUnitInUse();
  // Adds the library unit to the implementation uses clause, or as a new
  // clause after the implementation line; FileState 1. Where that clause
  // stands under conditional directives, to the clause of every branch, with
  // a clause of its own for the configurations that have none
  // (UsesConditions.h); where the directives make that unsafe, nothing.
  void AddQuellumUnitInUse();

  // --- Indentation -------------------------------------------------------
  // The body indentation of the outermost routine around R.
  std::string GetRoutineTabulation(const TRoutineInfo* R) const;
  // The indentation of R's begin line.
  std::string GetRoutineMargin(const TRoutineInfo* R) const;
  // T before the first code character of every line from From's to To's.
  void AdaptBlockAddedTabulation(int From, int To, const std::string& T);
  // T removed where it stands right before a line's first code character.
  void AdaptBlockRemovedTabulation(int From, int To, const std::string& T);
  // P's line holds only blanks, TABs, CR and LF; Start and Len (with CR LF)
  // are set when P is inside the text.
  bool IsLineEmpty(int P, int& Start, int& Len) const;
  void RemoveLineIfEmpty(int P);

  // --- Keyword positions -------------------------------------------------
  // Adds Delta to the Position of every keyword from FromIndex on.
  void AdaptNextRoutinesPos(int FromIndex, int Delta);
  // The outermost routine enclosing R (R itself when not nested).
  TRoutineInfo* GetLevel1Routine(const TRoutineInfo* R) const;

  // --- Keyword list and structure checks ---------------------------------
  // Lists the keywords of the implementation section (from the
  // initialization section on, nothing), sets their levels and links, checks
  // the structure and, when it is sound, rates every routine. Does nothing
  // while an error is recorded; the first error found stays recorded. Ends
  // with the silent abort on a cancel and on error 120.
  void FillKeyWordsList();
  // New keyword objects for every delimited hit in code of the given kinds
  // at or after Start, by position.
  std::vector<std::unique_ptr<TKeywordInfo>> GetKeywordsList(std::span<const int> Kinds, int Start) const;
  int GetFirstKeyword(int Kind) const;  // index in Keywords, -1 when none
  void RemoveInitializationSection();
  void RemoveTypeDeclarations();
  // False when an external or forward keyword does not follow a procedure or
  // function keyword.
  bool RemoveExternalForwards();
  void UpdateRoutineList();
  // Levels, links and both uses clauses; records the first error.
  void CheckKeywordsList();
  // "Error <code>: <title>", CR LF, the text.
  std::string GetErrorMessage() const;
  // One line per keyword, an empty line before every outermost routine.
  std::string DebugGetKeyWordsText() const;

  // --- Routine code state ------------------------------------------------
  // Rates the routine at KeywordIndex (an index into Keywords): 1 Missing,
  // 2 Correct, 3 Incorrect, 4 Ignored (the marker also sets State 4).
  void CheckRoutineCodeState(int KeywordIndex);
  // Index in Keywords of the protective clause of the routine at
  // RoutineIndex (into Routines), -1 when none; rates the clauses it walks.
  int GetRoutineClauseIdx(int RoutineIndex);

  // --- Code changes ------------------------------------------------------
  // Each takes an index into Routines and returns the change of Text's
  // length, 0 when refused (nothing changed then). Asm routines are never
  // edited. The keyword list stays what a new scan of the text would give.
  // Each sets LastRefusal: why it refused to protect the code, or "".
  int AddCode(int RoutineIndex, int NewState);
  int UpdateCode(int RoutineIndex);
  int RemoveCode(int RoutineIndex);
  int AddIgnoreCode(int RoutineIndex);
  int RemoveIgnoreCode(int RoutineIndex);
  // The try opening the except or finally at ClauseIndex; -1 when none.
  int GetTryClauseIdx(int ClauseIndex) const;
  // The first keyword after the routine's end; -1 when none.
  int GetKeywordAfterEnd(const TRoutineInfo* Routine) const;
  // The routine from its keyword through the ";" after its end; empty when
  // there is none.
  void GetRoutineCode(const TRoutineInfo* Routine, std::string& Code) const;
  // The ignore marker in the routine's body, in any letter case; -1 when none.
  int GetRoutineIgnoreCodePos(const TRoutineInfo* Routine) const;

  // --- Routine scan and statistics ---------------------------------------
  // Applies ScanActions (ScanActions.h) to every routine once, listing in
  // RefusedEdits the routines whose edit was refused. A cancel ends with the
  // silent abort; the routines edited before it keep their changes.
  void ScanRoutines();
  // Routines by State (Added, Updated, Removed; the fourth entry is left
  // alone) and by CodeState.
  void GetStats(std::array<int, 4>& AModifications, std::array<int, 4>& CodeStatus) const;

  // --- Data --------------------------------------------------------------
  std::string FileName;
  std::string ErrorTitle;
  std::string ErrorText;
  std::string Text;
  std::string TextStatus;
  std::vector<std::unique_ptr<TKeywordInfo>> Keywords;  // owned, by Position
  std::vector<TRoutineInfo*> Routines;                  // those of Keywords
  bool Loaded = false;
  int FileState = 0;  // 0 loaded and unchanged, 1 modified, 2 saved
  int ErrorCode = 0;
  // The file breaks its lines with LF alone: Text holds CR LF in their place.
  bool LFLineBreaks = false;
  // The file's size and modification time as Text was last read from it or
  // written to it; none before the first read.
  std::optional<FileDetails> FileStamp;
  // Why the last edit call refused (RefusalReasons.h); "" when it did not.
  std::string LastRefusal;
  // The refusals of the last routine scan, in routine order.
  std::vector<TRefusedEdit> RefusedEdits;
  // Entry k (1 to 4) at index k - 1; -1 until counted.
  std::array<int, 4> Modifications{-1, -1, -1, -1};      // Added, Updated, Removed, -
  std::array<int, 4> ActualCodeStatus{-1, -1, -1, -1};   // Missing, Correct,
  std::array<int, 4> InitialCodeStatus{-1, -1, -1, -1};  // Incorrect, Ignored

 private:
  // --- Keyword list helpers (KeywordLookups.cpp, CodeChanges.cpp, RoutineScan.cpp)
  int FirstKeywordAfter(int Position) const;  // index in Keywords, -1 when none
  int IndexOfKeyword(const TKeywordInfo* K) const;
  int IndexOfRoutine(const TRoutineInfo* R) const;
  // The routine at RoutineIndex when the edits may change it, else nullptr
  // with LastRefusal set when the routine is left alone to protect the code.
  TRoutineInfo* EditableRoutine(int RoutineIndex);
  // LastRefusal := Reason; 0, the result of a refused edit.
  int Refuse(const char* Reason);
  // AdaptNextRoutinesPos, also for the keywords a routine scan holds aside.
  void ShiftFollowing(int FromIndex, int Delta);
  // Closes an edit of routine R: its modification state, the file's, and the
  // shift of the keywords from FromIndex on. Returns the change of length.
  int CommitEdit(TRoutineInfo* R, int NewState, const TRoutineEdit& Edit, int FromIndex);
  // Index of the first routine keyword after the routine at i whose level is
  // its own or an outer one (the size of Keywords when none): the routine's
  // body and end are looked for before it.
  std::size_t RoutineScopeEnd(std::size_t i) const;
  // The routine at i has no begin of its own there, though a routine follows
  // it: its body begins elsewhere (an include file). It is left alone.
  bool HasNoBodyOfItsOwn(std::size_t i) const;
  // Whether a keyword other than the block's own clause still refers to the
  // try, clause or end at these indices (which RemoveCode would take out).
  bool BlockIsReferredTo(int Try, int Clause, int End) const;
  // Marks the routines that hold another routine in their body (an
  // anonymous method, say) or stand inside another routine's body: a block
  // around them would be misplaced, so they are never edited.
  void FindRoutinesInBodies();
  std::unordered_map<const TRoutineInfo*, const char*> FRoutinesInBodies;  // -> the refusal reason
  // AddQuellumUnitInUse, once per scanned text.
  void EnsureLibraryUnit();
  bool LibraryUnitEnsured = false;
  // --- The library unit in the uses clauses (UsesClauses.cpp, UsesConditions.cpp)
  // The file is the library's own unit, which never refers to itself.
  bool IsLibraryOwnUnit() const;
  // How the library unit reaches every configuration, read from the whole text.
  TLibraryUnitPlan PlanLibraryUnit() const;
  // Why no block may be written: the library unit cannot reach every
  // configuration (RefusalReasons.h); nullptr when it can. Planned once per
  // scanned text, before a routine scan holds part of the text aside.
  const char* LibraryUnitRefusal();
  bool LibraryUnitPlanned = false;
  const char* FLibraryUnitRefusal = nullptr;
  bool FConditionalUses = false;  // the implementation's clauses stand under conditions
  // AddQuellumUnitInUse where the implementation's clause stands under no
  // condition, as it always did.
  void AddPlainLibraryUnit();
  // Makes the plan's insertions, keywords moved along; FileState 1. Returns
  // the growth of the text up to Limit (by the insertions at Limit or before).
  int InsertLibraryUnit(const TLibraryUnitPlan& Plan, int Limit);
  // Inserts Added at At, in the text and its status string alike, and moves
  // the keywords from At on.
  void InsertHeadText(int At, const std::string& Added);
  // The units of the clause from UsesPos to its ";" at EndPos, added to List
  // (and their names to Names, when given); error 3 at a bad entry, which
  // ends the listing.
  void ListClauseEntries(int UsesPos, int EndPos, std::vector<std::string>& List,
                         std::vector<std::string>* Names = nullptr);
  // While a routine scan runs, the text and keywords after the routine being
  // edited are held aside (RoutineScan.cpp), so that an edit moves only the
  // little that follows it; nullptr otherwise.
  struct TEditWindow;
  TEditWindow* FWindow = nullptr;
  // GetLevel1Routine and IndexOfRoutine while the window is open.
  TRoutineInfo* Level1RoutineInScan(const TRoutineInfo* R) const;
  int RoutineIndexInScan(const TRoutineInfo* R) const;
  int Length() const { return static_cast<int>(Text.size()); }
  // Replaces Count characters at P with S in Text and TextStatus alike.
  void ReplaceText(int P, int Count, const std::string& S, const std::string& Status);
  // Copies Text and TextStatus from Start through To, calling the edit at
  // each line's first code character, and splices the copy back in.
  using TLineStartEdit = std::function<void(int P, std::string& Text, std::string& Status)>;
  void RebuildLines(int Start, int To, const TLineStartEdit& AtFirstCode);
};
