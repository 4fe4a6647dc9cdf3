// A scanner as it stood before an edit, to be put back when the edit meant
// to follow it is refused: a change made of two edits is then made whole or
// not at all. It keeps what the edits change: the text and its status
// string, the file state, every keyword's position and level, the routines'
// states and the clauses' ratings. It holds while the list keeps the same
// keyword objects, that is across edits that add or take out none (the
// removal of the ignore marker).
#pragma once

#include <string>
#include <vector>

class TKeywordInfo;
class TSourceScanner;

class TScannerSnapshot {
 public:
  explicit TScannerSnapshot(const TSourceScanner& S);
  // S as it stood; raises when its keyword list no longer holds the same
  // objects, and then changes nothing.
  void Restore(TSourceScanner& S) const;

 private:
  struct TKeptKeyword {
    TKeywordInfo* Keyword;
    int Position;
    int Level;
    int State;      // a routine's; -1 for other keywords
    int CodeState;  // a routine's or a clause's
  };
  std::string Text;
  std::string TextStatus;
  int FileState;
  std::vector<TKeptKeyword> Keywords;
};
