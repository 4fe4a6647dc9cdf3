#include "Guide.h"

#include <QLabel>
#include <QVBoxLayout>

#include "Colors.h"
#include "Fonts.h"
#include "FormIcon.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "Translator.h"
#include "UiColors.h"

TfmGuide* fmGuide = nullptr;

namespace {
constexpr int kClientWidth = 441;

QLabel* Wrapped(QWidget* parent, const char* name, const QColor& color) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetFontColor(label, color);
  return label;
}
}  // namespace

TfmGuide::TfmGuide(QWidget* Owner) : TForm(Owner) {
  SetName("fmGuide");
  // A tool window: small caption, close button only.
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(DesignFont());
  SetBackgroundColor(this, clGuideBlue);
  SetFontColor(this, clYellow);
  HelpFile = "index.htm";
  move(325, 389);
  setFixedWidth(kClientWidth);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(0);
  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  auto* panel = new QVBoxLayout(Panel1);
  panel->setContentsMargins(3, 3, 3, 3);
  lbHeader = Wrapped(Panel1, "lbHeader", clYellow);
  panel->addWidget(lbHeader);
  lbText = Wrapped(this, "lbText", clWhite);
  layout->addWidget(Panel1);
  layout->addWidget(lbText);
  layout->addStretch(1);
  RunGuarded(this, [this] { FormCreate(this); });
  FitHeight();
}

TfmGuide::~TfmGuide() {
  if (fmGuide == this) fmGuide = nullptr;
}

void TfmGuide::FormCreate(QObject*) try {
  GuideState = -1;
  TranslateFirst();
  SetFormIcon(this);
} catch (...) {
  VIX->Push("Procedure TfmGuide.FormCreate");
  throw;
}

void TfmGuide::TranslateFirst() try {
  SetCaption(Trt("Guide   F11   (F1 for Help)"));
} catch (...) {
  VIX->Push("Procedure TfmGuide.TranslateFirst");
  throw;
}

void TfmGuide::SetMsg(const std::string& Header, const std::string& Text) try {
  lbHeader->setText(QsDisplay(Header));
  lbText->setText(QsDisplay(Text));
  FitHeight();
} catch (...) {
  VIX->Push("Procedure TfmGuide.SetMsg");
  throw;
}

void TfmGuide::FitHeight() try {
  // The labels' heights at the window's width, inside the window's border
  // (4) and the panel's (3).
  const int text = kClientWidth - 2 * 4;
  const int header = lbHeader->text().isEmpty() ? 0 : lbHeader->heightForWidth(text - 2 * 3);
  const int body = lbText->text().isEmpty() ? 0 : lbText->heightForWidth(text);
  setFixedHeight(4 + 3 + header + 3 + body + 4);
} catch (...) {
  VIX->Push("Procedure TfmGuide.FitHeight");
  throw;
}
