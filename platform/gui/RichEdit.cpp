#include "RichEdit.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "QtText.h"

namespace {
QTextCharFormat Colored(const QColor& color) {
  QTextCharFormat format;
  format.setForeground(color);
  return format;
}
}  // namespace

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  document()->setUndoRedoEnabled(false);
}

void TRichEdit::Clear() {
  clear();
  empty_ = true;
}

std::string TRichEdit::Text() const {
  std::string text;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block != document()->begin()) text += "\r\n";
    text += As(block.text());
  }
  return text;
}

void TRichEdit::SetText(const std::string& text, const QColor& color) {
  Clear();
  QTextCursor cursor(document());
  cursor.insertText(QsDisplay(text), Colored(color));
  empty_ = false;
}

void TRichEdit::AddLine(const std::string& line, const QColor& color) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (!empty_) cursor.insertBlock();
  cursor.insertText(QsDisplay(line), Colored(color));
  empty_ = false;
}

int TRichEdit::LineCount() const { return empty_ ? 0 : document()->blockCount(); }

std::string TRichEdit::Lines(int index) const { return As(document()->findBlockByNumber(index).text()); }

void TRichEdit::SetColor(int start, int length, const QColor& color) {
  QTextCursor cursor(document());
  cursor.setPosition(DocumentPosition(start));
  cursor.setPosition(DocumentPosition(start + length), QTextCursor::KeepAnchor);
  cursor.mergeCharFormat(Colored(color));
}

QColor TRichEdit::ColorAt(int position) const {
  QTextCursor cursor(document());
  // The format of a character is the one the cursor reports after it.
  cursor.setPosition(DocumentPosition(position) + 1);
  return cursor.charFormat().foreground().color();
}

int TRichEdit::SelStart() const { return PlatformPosition(textCursor().selectionStart()); }

int TRichEdit::DocumentPosition(int position) const {
  // Block b starts at platform position block.position() + b, since every
  // break before it counts one character more than in the document.
  int low = 0, high = document()->blockCount() - 1;
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (document()->findBlockByNumber(mid).position() + mid <= position)
      low = mid;
    else
      high = mid - 1;
  }
  const QTextBlock block = document()->findBlockByNumber(low);
  const int offset = std::max(0, position - (block.position() + low));
  return block.position() + std::min(offset, block.length() - 1);
}

int TRichEdit::PlatformPosition(int documentPosition) const {
  return documentPosition + document()->findBlock(documentPosition).blockNumber();
}
