#include "QtText.h"

#include "Codepage.h"

QString Qs(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

std::string As(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

QString QsDisplay(const std::string& ansi) {
  std::string lines;
  lines.reserve(ansi.size());
  for (std::size_t i = 0; i < ansi.size(); ++i) {
    const char c = ansi[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    // A CR LF or LF CR pair is one break; the pair's second byte is skipped.
    const char pair = c == '\r' ? '\n' : '\r';
    if (i + 1 < ansi.size() && ansi[i + 1] == pair) ++i;
    lines += '\n';
  }
  return Qs(lines);
}
