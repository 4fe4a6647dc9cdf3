#include "QtText.h"

#include "Codepage.h"

QString Qs(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

std::string As(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

namespace {
// Every line break form as one LF; the bytes of either encoding keep CR and
// LF for themselves.
std::string OneLineBreak(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    // A CR LF or LF CR pair is one break; the pair's second byte is skipped.
    const char pair = c == '\r' ? '\n' : '\r';
    if (i + 1 < text.size() && text[i + 1] == pair) ++i;
    lines += '\n';
  }
  return lines;
}
}  // namespace

QString QsDisplay(const std::string& ansi) { return Qs(OneLineBreak(ansi)); }

QString QsDisplayUtf8(const std::string& utf8) { return QString::fromStdString(OneLineBreak(utf8)); }
