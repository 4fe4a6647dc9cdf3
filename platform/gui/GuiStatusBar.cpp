#include "GuiStatusBar.h"

#include <QLabel>

#include "QtText.h"

TGuiStatusBar::TGuiStatusBar(QWidget* parent) : QStatusBar(parent), text_(new QLabel(this)) {
  text_->setObjectName(QStringLiteral("SimpleText"));
  text_->setTextFormat(Qt::PlainText);
  addWidget(text_, 1);
}

void TGuiStatusBar::SetSimpleText(const std::string& Text) { text_->setText(Qs(Text)); }

std::string TGuiStatusBar::SimpleText() const { return As(text_->text()); }
