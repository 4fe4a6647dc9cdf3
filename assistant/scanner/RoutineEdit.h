// One edit of a routine's text. Every insertion and deletion goes to Text
// and TextStatus alike and moves the positions that follow it: those of the
// keywords of the routine's body (the edited range of the keyword list) and
// of the positions the edit itself still needs. The keywords after the
// routine move once, by the whole change, when the edit is done.
#pragma once

#include <string>
#include <vector>

class TSourceScanner;

class TRoutineEdit {
 public:
  // The keywords at indices First to Last follow the edits.
  TRoutineEdit(TSourceScanner& AScanner, int First, int Last);

  // Also follows *P; P must outlive the edit.
  void Track(int* P) { FTracked.push_back(P); }
  // Piece goes before the character at P; its status is that of the piece
  // alone (right for a piece inserted where code is read).
  void Insert(int P, const std::string& Piece);
  // Piece goes before P inside a comment of status Status that it leaves
  // open: all of it is comment, its line breaks aside.
  void InsertInComment(int P, const std::string& Piece, int Status);
  void Delete(int P, int Count);
  void RemoveLineIfEmpty(int P);
  // One indentation unit added to, or removed from, every line of the range
  // (the indentation helpers), positions carried along: only blanks and TABs
  // come or go, so every other character keeps its order.
  void Reindent(int From, int To, const std::string& Unit, bool Add);
  // The status of From to To made again from the text, as a load would make
  // it: From must be a place where code is read (no comment or literal open).
  void Restatus(int From, int To);
  int Delta() const;

 private:
  void Shift(int From, int By);  // every followed position at or after From
  std::vector<int*> Followed() const;

  TSourceScanner& S;
  int FFirst;
  int FLast;
  std::size_t FStartLength;
  std::vector<int*> FTracked;
};

// Whether code is read at P (no comment or literal open there), the text
// being read from From, a place where code is read.
bool CodeReadAt(const TSourceScanner& S, int From, int P);
// The start of the first line, from the one that starts at P, at which code
// is read, the text being read from From; -1 when there is none.
int FirstLineWhereCodeIsRead(const TSourceScanner& S, int From, int P);
// Whether the construct open at P, where code is not read (CodeReadAt is
// False), is a (* *) comment.
bool InParenStarComment(const TSourceScanner& S, int From, int P);
// Every line break from From to To is a CR LF pair (CR CR LF being one, as
// for the line helpers): no lone LF, no lone CR.
bool OnlyCRLFBreaks(const TSourceScanner& S, int From, int To);
// Whether deleting Count characters at P would join the characters on either
// side into something else: one word, a comment's opening or closing pair, or
// a CR LF that ends a line comment.
bool DeletionJoins(const TSourceScanner& S, int P, int Count);
