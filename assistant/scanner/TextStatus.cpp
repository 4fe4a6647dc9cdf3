// The status string: what each character of the text is.
#include <algorithm>

#include "Lumbrick.h"
#include "SourceScanner.h"
#include "Translator.h"

char CharTextStatus(int Value) try {
  return Value >= 0 && Value <= 5 ? static_cast<char>('0' + Value) : '0';
} catch (...) {
  VIX->Push("Function CharTextStatus");
  throw;
}

// One pass of a state machine; each construct is marked when it closes, so a
// construct still open at the end keeps its own characters.
std::string TSourceScanner::ConvertIntoTextStatus(std::string_view AText) const try {
  enum State { Code, Brace, AfterParen, ParenStar, ParenStarStar, AfterSlash, LineComment, LineCommentCR, Literal };
  std::string result(AText);
  const auto mark = [&result](std::size_t from, std::size_t to, int value) {
    for (std::size_t i = from; i <= to; ++i)
      if (result[i] != '\r' && result[i] != '\n') result[i] = CharTextStatus(value);
  };
  State state = Code;
  std::size_t start = 0;
  for (std::size_t i = 0; i < AText.size();) {
    const char c = AText[i];
    bool again = false;  // read the same character again in state Code
    switch (state) {
      case Code:
        start = i;
        if (c == '{') state = Brace;
        else if (c == '(') state = AfterParen;
        else if (c == '/') state = AfterSlash;
        else if (c == '\'') state = Literal;
        else mark(i, i, 0);
        break;
      case Brace:
        if (c == '}') {
          mark(start, i, 2);
          state = Code;
        }
        break;
      case AfterParen:
        if (c == '*') {
          state = ParenStar;
        } else {
          mark(start, i, 0);
          state = Code;
          again = true;
        }
        break;
      case ParenStar:
        if (c == '*') state = ParenStarStar;
        break;
      case ParenStarStar:
        if (c == ')') {
          mark(start, i, 4);
          state = Code;
        } else if (c != '*') {
          state = ParenStar;
        }
        break;
      case AfterSlash:
        if (c == '/') {
          state = LineComment;
        } else {
          mark(start, i, 0);
          state = Code;
          again = true;
        }
        break;
      case LineComment:
        if (c == '\r') state = LineCommentCR;
        break;
      case LineCommentCR:
        // The CR LF stays outside the comment. A further CR keeps waiting for
        // the LF, so CR CR LF ends the comment as the line helpers end the line.
        if (c == '\n') {
          mark(start, i - 2, 3);
          state = Code;
        } else if (c != '\r') {
          state = LineComment;
        }
        break;
      case Literal:
        // A doubled quote closes the literal and opens the next one at once.
        if (c == '\'') {
          mark(start, i, 1);
          state = Code;
        }
        break;
    }
    if (!again) ++i;
  }
  return result;
} catch (...) {
  VIX->Push("Function TSourceScanner.ConvertIntoTextStatus");
  throw;
}

void TSourceScanner::SetTextAfterEndStatus() try {
  int dot = -1;
  int token = -1;
  if (FindRightDelimitedToken("end", '.', dot, token, 1)) {
    for (int p = dot + 1; p <= Length(); ++p)
      if (Text[p - 1] != '\r' && Text[p - 1] != '\n') TextStatus[p - 1] = CharTextStatus(5);
  } else {
    SetErrorMessage(1, Trt("Error in Unit Structure."), Trt("Final End Missing in Unit."));
  }
} catch (...) {
  VIX->Push("Procedure TSourceScanner.SetTextAfterEndStatus");
  throw;
}

int TSourceScanner::CharStatus(int P) const try {
  if (P < 1 || P > static_cast<int>(TextStatus.size())) return -1;
  const char c = TextStatus[P - 1];
  if (c >= '0' && c <= '9') return c - '0';
  return c == '\r' || c == '\n' || c == '\'' ? 0 : -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.CharStatus");
  throw;
}

bool TSourceScanner::CharIsCode(int P) const try {
  const int s = CharStatus(P);
  return s == 0 || (s == 1 && P <= Length() && Text[P - 1] == '\'');
} catch (...) {
  VIX->Push("Function TSourceScanner.CharIsCode");
  throw;
}

std::string TSourceScanner::CopyCode(int From, int Count) const try {
  std::string s;
  for (int p = std::max(From, 1); p < From + Count && p <= Length(); ++p) s += CharIsCode(p) ? Text[p - 1] : ' ';
  return s;
} catch (...) {
  VIX->Push("Function TSourceScanner.CopyCode");
  throw;
}

std::string TSourceScanner::NoCommentCopy(int From, int Count) const try {
  std::string s;
  for (int p = std::max(From, 1); p < From + Count && p <= Length(); ++p) {
    const int status = CharStatus(p);
    s += status == 0 || status == 1 ? Text[p - 1] : ' ';
  }
  return s;
} catch (...) {
  VIX->Push("Function TSourceScanner.NoCommentCopy");
  throw;
}
