#include "About.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "Colors.h"
#include "Design.h"
#include "FormatSettings.h"
#include "Fonts.h"
#include "FormIcon.h"
#include "Guard.h"
#include "HelpFiles.h"
#include "Lumbrick.h"
#include "Pictures.h"
#include "QtText.h"
#include "StringHelpers.h"
#include "Translator.h"

namespace {
constexpr int kClientWidth = 180;

// A path does not wrap: the label shows it shortened in its middle, and whole
// in its tooltip, while its text stays the full path.
class TSiteLabel final : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), static_cast<int>(alignment()), fontMetrics().elidedText(text(), Qt::ElideMiddle, width()));
  }
};

QLabel* Centred(QWidget* parent, const char* name, int x, int y, int w) {
  auto* label = Place(new QLabel(parent), name, x, y, w, 16);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  SetFontColor(label, clNavy);
  return label;
}
}  // namespace

TfmAboutBox::TfmAboutBox(QWidget* Owner) : TForm(Owner) {
  SetName("AboutBox");
  // A dialog border with a close button only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(DesignFont());
  setFixedSize(kClientWidth, 201);
  HelpFile = "index.htm";

  imLogo = Place(new QLabel(this), "imLogo", 66, 6, 48, 48);
  imLogo->setPixmap(LogoPicture());
  ProductName = Centred(this, "ProductName", 1, 58, 177);
  QFont bold = ProductName->font();
  bold.setBold(true);
  ProductName->setFont(bold);
  ProductName->setText(Qs("Lumbrick 1.11b"));
  Version = Centred(this, "Version", 2, 78, 175);
  lbSite = Place(new TSiteLabel(this), "lbSite", 4, 118, 172, 16);
  lbSite->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont link = lbSite->font();
  link.setUnderline(true);
  lbSite->setFont(link);
  SetFontColor(lbSite, clBlue);
  for (QLabel* clickable : {lbSite, imLogo}) {
    clickable->setCursor(Qt::PointingHandCursor);
    clickable->installEventFilter(this);
  }
  btOk = Place(new QPushButton(Qs("OK"), this), "btOk", 52, 172, 75, 25);
  btOk->setDefault(true);
  connect(btOk, &QPushButton::clicked, this, Guarded(this, [this] { SetModalResult(mrOk); }));
  RunGuarded(this, [this] { FormCreate(this); });
}

TfmAboutBox::~TfmAboutBox() = default;

bool TfmAboutBox::eventFilter(QObject* Watched, QEvent* Event) {
  if ((Watched == lbSite || Watched == imLogo) && Event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
    RunGuarded(this, [this] { lbSiteClick(this); });
    return true;
  }
  return TForm::eventFilter(Watched, Event);
}

void TfmAboutBox::FormCreate(QObject*) try {
  TranslateFirst();
  SetFormIcon(this);
} catch (...) {
  VIX->Push("Procedure TfmAboutBox.FormCreate");
  throw;
}

void TfmAboutBox::TranslateFirst() try {
  SetCaption("Lumbrick");
  Version->setText(Qs(UpperInitial(FormatSettings.LongMonthNames[6]) + " 2006"));
  const std::string page = TextTranslator ? TextTranslator->GetHelpDir() + "index.htm" : std::string();
  lbSite->setText(Qs(page));
  lbSite->setToolTip(Qs(page));
} catch (...) {
  VIX->Push("Procedure TfmAboutBox.TranslateFirst");
  throw;
}

void TfmAboutBox::lbSiteClick(QObject*) try {
  // The site is the help's home page: a browser that fails says so as the
  // help does.
  ShowHelpPage(As(lbSite->text()));
} catch (...) {
  VIX->Push("Procedure TfmAboutBox.lbSiteClick");
  throw;
}
