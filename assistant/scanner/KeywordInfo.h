// Keyword objects of a scanned unit: every keyword the keyword scan keeps,
// with its position in the text (1-based), kind (KeywordTable.h) and nesting
// level. Routine keywords and except/finally keywords carry more. The
// scanner's keyword list owns them all; the references between them own
// nothing.
#pragma once

#include <string>

#include "KeywordTable.h"

class TKeywordInfo {
 public:
  TKeywordInfo(int APosition, int AKeyword);
  virtual ~TKeywordInfo() = default;
  TKeywordInfo(const TKeywordInfo&) = delete;
  TKeywordInfo& operator=(const TKeywordInfo&) = delete;

  // The table text of the kind; empty for a kind outside the table.
  std::string GetKeyword() const;
  // One line of the scanner window's debug listing.
  virtual std::string GetText() const;

  int Position;
  int Keyword;
  int Level = 0;

 protected:
  std::string Indent() const;  // four blanks per level below the first
};

// An except or finally keyword.
class TExceptClauseInfo : public TKeywordInfo {
 public:
  TExceptClauseInfo(int APosition, int AKeyword);

  // Rates the clause against the expected block text (TRoutineInfo::
  // BuildExceptBloc with an empty line start): 0 foreign, 2 the assistant's
  // block with the expected routine text, 3 with another routine text.
  // AText is the unit's text, EndPosition that of the clause's end keyword.
  void SetCodeState(const std::string& AText, const std::string& Expected, int EndPosition);
  std::string GetText() const override;

  TKeywordInfo* kiEnd = nullptr;
  int CodeState = -1;  // -1 not rated yet
};

// A procedure, function, constructor or destructor keyword.
class TRoutineInfo : public TKeywordInfo {
 public:
  TRoutineInfo(int APosition, int AKeyword);

  // Cuts the heading (the code from the routine keyword through its first
  // ";") into Header, ClassName, Name and Params.
  void SetHeader(const std::string& AHeader);
  // The except part of the protective block for this routine, laid out as
  // the code options say; LineStart begins the lines of the call (and, in
  // layout 4, of "Raise;").
  std::string BuildExceptBloc(const std::string& AFileName, const std::string& LineStart) const;
  std::string GetText() const override;

  TKeywordInfo* kiBegin = nullptr;  // begin or asm of the body
  TKeywordInfo* kiEnd = nullptr;
  std::string Header;
  std::string ClassName;
  std::string Name;
  std::string Params;
  int State = -1;     // -1 none, 1 Added, 2 Updated, 3 Removed, 4 Ignored
  int CodeState = 2;  // 1 Missing, 2 Correct, 3 Incorrect, 4 Ignored
};
