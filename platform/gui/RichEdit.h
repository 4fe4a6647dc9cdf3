// The platform's rich edit, read-only: lines of text each in a colour, and
// ranges recoloured after the text is set. Positions count as the platform
// counts them in the texts the box shows: 0-based, a line break being two
// characters (CR LF). Qt keeps one per break; DocumentPosition converts.
#pragma once

#include <QColor>
#include <QTextEdit>
#include <string>

class TRichEdit final : public QTextEdit {
 public:
  explicit TRichEdit(QWidget* parent = nullptr);

  void Clear();
  // The whole text, lines joined by CR LF.
  std::string Text() const;
  // Replaces the text (CR LF, LF or CR break its lines), all in one colour.
  void SetText(const std::string& text, const QColor& color);
  // Appends a line in a colour; a line break inside it starts further lines.
  void AddLine(const std::string& line, const QColor& color);
  int LineCount() const;
  std::string Lines(int index) const;

  // Gives length characters from start the colour.
  void SetColor(int start, int length, const QColor& color);
  QColor ColorAt(int position) const;
  // Where the caret stands.
  int SelStart() const;

  // Qt's position of a platform position; a position on the LF of a CR LF
  // maps to the end of its line, one past the end to the end.
  int DocumentPosition(int position) const;
  int PlatformPosition(int documentPosition) const;

 private:
  bool empty_ = true;  // nothing added since the last clear
};
