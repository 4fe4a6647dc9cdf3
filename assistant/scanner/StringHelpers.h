// String helpers shared by the scanner and the assistant's model. Texts are
// Windows-1252 bytes; positions are 1-based, -1 meaning "not found".
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text with its first character upper-cased (ASCII a to z only).
std::string UpperInitial(std::string_view S);
// The characters from Start to the end; empty when Start lies past the end.
std::string RightString(std::string_view S, int Start);
std::string IIf(bool Condition, const std::string& IfTrue, const std::string& IfFalse);
// The text between two single quotes, nothing escaped.
std::string QuoteFramed(std::string_view S);
// Deletes every occurrence of each of Chars from S.
void RemoveChars(std::string& S, std::string_view Chars);

// Position in S of the lower-case Sought after position Start, comparing with
// the lower-cased S (Sought itself is taken as it is, so callers pass it in
// lower case); -1 when absent or Sought is empty.
int PosAfter(std::string_view Sought, std::string_view S, int Start);
// PosAfter when it lies strictly before End, else -1.
int PosBetween(std::string_view Sought, std::string_view S, int Start, int End);

// Normalises white space so that two code texts compare equal whatever their
// layout: TAB, CR and LF become blanks, runs of blanks shrink to one, blanks
// next to ".", ")", "(" and ";" go, and the ends are trimmed.
void CleanCode(std::string& S);

std::string BoolToString(bool B);       // "True" / "False"
bool StringToBool(std::string_view S);  // trimmed, lower-cased text is "true"
// Decimal digits with one blank before the last three when there are more:
// 1000 gives "1 000", 1234567 gives "1234 567".
std::string FormatInt(long long N);
// The pieces of Text between occurrences of Delimiter (case-sensitive, may be
// several characters); a trailing delimiter adds no empty last piece.
void SplitDelimitedTextIntoStrings(std::string_view Text, std::string_view Delimiter,
                                   std::vector<std::string>& List);
