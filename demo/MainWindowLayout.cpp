// The design of the main window: what the platform's form file holds (the
// controls, their places, captions, colours and fonts) and the binding of
// their events. Texts that change with the language are set by TranslateText.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "Application.h"
#include "Colors.h"
#include "Design.h"
#include "DromletMain.h"
#include "ExampleThread.h"
#include "Files.h"
#include "Fonts.h"
#include "Guard.h"
#include "JpegImage.h"
#include "ListBox.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "Timer.h"

TfmMain* fmMain = nullptr;

namespace {

constexpr int kClientWidth = 726;
constexpr int kClientHeight = 484;
constexpr int kSidePanelWidth = 139;
constexpr int kProseWidth = 550;

// Design captions are the control's name, as the designer leaves them.
QLabel* Label(QWidget* parent, const char* name, int x, int y, int w, int h) {
  auto* label = Place(new QLabel(QString::fromLatin1(name), parent), name, x, y, w, h);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLabel* Prose(QWidget* parent, const char* name, int x, int y, int h) {
  QLabel* label = Label(parent, name, x, y, kProseWidth, h);
  label->setWordWrap(true);
  return label;
}

QLabel* Heading(QWidget* parent, const char* name, int x, int y) {
  QLabel* label = Label(parent, name, x, y, kProseWidth, 16);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  SetFontColor(label, clNavy);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h = 25) {
  return Place(new QPushButton(Qs(caption), parent), name, x, y, w, h);
}

QLineEdit* Edit(QWidget* parent, const char* name, const char* text, int x, int y, int w) {
  return Place(new QLineEdit(Qs(text), parent), name, x, y, w, 21);
}

// The value labels of the parallel-process page: teal, bold, 12 pt.
QLabel* ValueLabel(QWidget* parent, const char* name, const char* text, int x, int y) {
  QLabel* label = Label(parent, name, x, y, 110, 25);
  label->setText(Qs(text));
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setBold(true);
  font.setPixelSize(16);
  label->setFont(font);
  SetFontColor(label, clTeal);
  return label;
}

QWidget* Page(QTabWidget* pages, const char* name) {
  auto* page = new QWidget;
  page->setObjectName(name);
  pages->addTab(page, QString::fromLatin1(name));
  return page;
}

// The window icon: a red bug mark.
QIcon FormIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(QColor(0xC0, 0, 0));
  painter.drawEllipse(QRectF(7, 5, 18, 23));
  painter.drawLine(QPointF(16, 5), QPointF(16, 28));
  for (int y : {11, 17, 23}) {
    painter.drawLine(QPointF(2, y - 2), QPointF(8, y));
    painter.drawLine(QPointF(30, y - 2), QPointF(24, y));
  }
  return QIcon(pixmap);
}

}  // namespace

TfmMain::TfmMain() {
  // As the application's form creation does, the global reference holds the
  // window before its creation handler runs.
  fmMain = this;
  SetName("fmMain");
  setFont(DesignFont());
  // Single border: no resizing, no maximizing.
  setFixedSize(kClientWidth, kClientHeight);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  Timer1 = new TTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->SetEnabled(false);
  Timer1->SetInterval(1000);
  ilFormIcon.push_back(FormIcon());

  BuildSidePanel();
  BuildPages();
  ConnectEvents();
  RunGuarded(this, [this] { FormCreate(this); });
}

TfmMain::~TfmMain() {
  // No notification may reach the window any more, whichever thread ends
  // first; then each thread is stopped and waited for.
  for (QPointer<TExampleThread>& thread : FThreads) {
    if (!thread) continue;
    thread->OnTerminate = nullptr;
    thread->Terminate();
  }
  for (QPointer<TExampleThread>& thread : FThreads) {
    if (!thread) continue;
    thread->WaitFor();
    delete thread.data();
  }
  if (fmMain == this) fmMain = nullptr;
}

void TfmMain::BuildSidePanel() {
  Panel2 = Place(new QWidget(this), "Panel2", 0, 0, kSidePanelWidth, kClientHeight);

  pMarroway = Place(new QFrame(Panel2), "pMarroway", 4, 4, 131, 142);
  pMarroway->setAutoFillBackground(true);
  SetBackgroundColor(pMarroway, clGray);
  imMarroway = Place(new QLabel(pMarroway), "imMarroway", 8, 5, 115, 96);
  imMarroway->setAlignment(Qt::AlignCenter);
  // A missing or damaged picture leaves the panel empty.
  const QImage picture = LoadJpegImage(ExtractFilePath(Application->ExeName()) + "Marroway.jpg");
  if (!picture.isNull())
    imMarroway->setPixmap(QPixmap::fromImage(picture.scaled(115, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  lbMarroway1 = Place(new QLabel(Qs("Lumbrick"), pMarroway), "lbMarroway1", 0, 104, 131, 16);
  lbMarroway2 = Place(new QLabel(Qs("Bug Reports"), pMarroway), "lbMarroway2", 0, 120, 131, 16);
  for (QLabel* line : {lbMarroway1, lbMarroway2}) {
    line->setAlignment(Qt::AlignCenter);
    SetFontColor(line, clWhite);
  }

  lbMenu1 = Place(new QLabel(Panel2), "lbMenu1", 4, 150, 131, 44);
  lbMenu2 = Place(new QLabel(Panel2), "lbMenu2", 4, 222, 131, 30);
  for (QLabel* hint : {lbMenu1, lbMenu2}) {
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setWordWrap(true);
    SetFontColor(hint, clGray);
  }

  btPrevious = Place(new QToolButton(Panel2), "btPrevious", 12, 196, 57, 22);
  btPrevious->setArrowType(Qt::LeftArrow);  // Qt greys the glyph while disabled
  btNext = Place(new QToolButton(Panel2), "btNext", 70, 196, 57, 22);
  btNext->setArrowType(Qt::RightArrow);
  for (QToolButton* arrow : {btPrevious, btNext}) arrow->setAutoRaise(true);

  lbPages = Place(new TListBox(Panel2), "lbPages", 9, 254, 121, 128);
  for (const char* title : {"Introduction", "Simple Exceptions", "Handled Exceptions", "Parallel Process",
                            "Enable / Disable", "DebugMsg", "Performances"}) {
    auto* item = new QListWidgetItem(Qs(title), lbPages);
    item->setSizeHint(QSize(0, 15));
  }
  lbPages->setUniformItemSizes(true);

  rgOnOff = Place(new TRadioGroup(" Lumbrick ", {"Enabled", "Disabled"}, Panel2), "rgOnOff", 9, 386, 121, 54);
  rgOnOff->SetItemIndex(0);
  rgLanguage = Place(new TRadioGroup("", {"English", "French"}, Panel2), "rgLanguage", 9, 442, 121, 40);
  rgLanguage->SetItemIndex(0);
}

void TfmMain::BuildPages() {
  PageControl1 = Place(new QTabWidget(this), "PageControl1", kSidePanelWidth, 0, kClientWidth - kSidePanelWidth,
                       kClientHeight);
  PageControl1->setDocumentMode(true);  // flat, no frame around the sheets

  tsIntro = Page(PageControl1, "tsIntro");
  lb01T = Heading(tsIntro, "lb01T", 16, 12);
  lb01 = Prose(tsIntro, "lb01", 16, 32, 150);
  lb02T = Heading(tsIntro, "lb02T", 16, 190);
  lb02 = Prose(tsIntro, "lb02", 16, 210, 120);
  Bevel1 = Place(new QFrame(tsIntro), "Bevel1", 12, 344, 560, 96);
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  lb03 = Prose(tsIntro, "lb03", 24, 352, 44);
  lb03->setFixedWidth(536);
  lbBrowser = Label(tsIntro, "lbBrowser", 24, 404, 90, 18);
  lbBrowser->setText(Qs("Web Browser"));
  edWebBrowser = Edit(tsIntro, "edWebBrowser", "", 114, 402, 410);
  btNav = Place(new QToolButton(tsIntro), "btNav", 528, 401, 24, 23);
  btNav->setAutoRaise(true);
  btNav->setText(Qs("..."));
  btNav->setToolTip(Qs("Browse Files"));
  OpenDialog1.Filter = "Exe Files (*.exe)|*.exe|All Files (*.*)|*.*";
  OpenDialog1.FileMustExist = true;

  tsSimple = Page(PageControl1, "tsSimple");
  lb11T = Heading(tsSimple, "lb11T", 16, 12);
  lb11 = Prose(tsSimple, "lb11", 16, 32, 64);
  btSimpleWithout = Button(tsSimple, "btSimpleWithout", "Enjoy a bug without Lumbrick", 16, 100, 260);
  lb12T = Heading(tsSimple, "lb12T", 16, 140);
  lb12 = Prose(tsSimple, "lb12", 16, 160, 92);
  btSimpleWith = Button(tsSimple, "btSimpleWith", "Enjoy the same bug with Lumbrick", 16, 256, 260);
  lb13 = Prose(tsSimple, "lb13", 16, 300, 150);

  tsHandled = Page(PageControl1, "tsHandled");
  lb21T = Heading(tsHandled, "lb21T", 16, 12);
  lb21 = Prose(tsHandled, "lb21", 16, 32, 190);
  ed2Num = Edit(tsHandled, "ed2Num", "Enter a number", 16, 232, 160);
  bt2Calc = Button(tsHandled, "bt2Calc", "Calculate square root", 16, 264, 380);
  bt2CalcPartiallyProtected = Button(tsHandled, "bt2CalcPartiallyProtected",
                                     "Calculate square root with partially protected code", 16, 296, 380);
  bt2CalcProtected = Button(tsHandled, "bt2CalcProtected", "Calculate square root with fully protected code", 16,
                            328, 380);

  tsProcessMessages = Page(PageControl1, "tsProcessMessages");
  lb31T = Heading(tsProcessMessages, "lb31T", 16, 12);
  lb31 = Prose(tsProcessMessages, "lb31", 16, 32, 120);
  btThread = Button(tsProcessMessages, "btThread", "Start Thread", 16, 160, 120);
  btTimer = Button(tsProcessMessages, "btTimer", "Start Timer", 196, 160, 120);
  cbBuggyTimer = Place(new QCheckBox(Qs("with Bug"), tsProcessMessages), "cbBuggyTimer", 324, 164, 90, 18);
  lb3Timer = ValueLabel(tsProcessMessages, "lb3Timer", "00:00:00", 420, 160);
  btEnjoy = Button(tsProcessMessages, "btEnjoy", "Enjoy a Bug", 16, 194, 120);
  btCounter = Button(tsProcessMessages, "btCounter", "Start Counter", 196, 194, 120);
  cbBuggyCounter = Place(new QCheckBox(Qs("with Bug"), tsProcessMessages), "cbBuggyCounter", 324, 198, 90, 18);
  lb3Counter = ValueLabel(tsProcessMessages, "lb3Counter", "0", 420, 194);
  lb32T = Heading(tsProcessMessages, "lb32T", 16, 236);
  lb32 = Prose(tsProcessMessages, "lb32", 16, 256, 190);

  tsDisable = Page(PageControl1, "tsDisable");
  lb41T = Heading(tsDisable, "lb41T", 16, 12);
  lb41 = Prose(tsDisable, "lb41", 16, 32, 170);
  ed4Num = Edit(tsDisable, "ed4Num", "Enter a number", 16, 210, 160);
  bt4Calc = Button(tsDisable, "bt4Calc", "Calculate", 190, 208, 170);
  bt4CalcDisabled = Button(tsDisable, "bt4CalcDisabled", "Disable and Calculate", 370, 208, 170);
  lb42T = Heading(tsDisable, "lb42T", 16, 260);
  lb42 = Prose(tsDisable, "lb42", 16, 280, 120);

  tsDebugMsg = Page(PageControl1, "tsDebugMsg");
  lb51T = Heading(tsDebugMsg, "lb51T", 16, 12);
  lb51 = Prose(tsDebugMsg, "lb51", 16, 32, 130);
  btUseDebugMsg = Button(tsDebugMsg, "btUseDebugMsg", "Use of DebugMsg", 16, 170, 200);
  lb52T = Heading(tsDebugMsg, "lb52T", 16, 214);
  lb52 = Prose(tsDebugMsg, "lb52", 16, 234, 150);

  tsPerformances = Page(PageControl1, "tsPerformances");
  lb61T = Heading(tsPerformances, "lb61T", 16, 12);
  lb61 = Prose(tsPerformances, "lb61", 16, 32, 120);
  lbWarning = Label(tsPerformances, "lbWarning", 16, 158, kProseWidth, 16);
  lbWarning->setAlignment(Qt::AlignRight | Qt::AlignTop);
  SetFontColor(lbWarning, clRed);
  btCloseProcess = Button(tsPerformances, "btCloseProcess", "Close Process", 16, 180, 120);
  btPerfNormal = Button(tsPerformances, "btPerfNormal", "Evaluate standard depreciation", 146, 180, 210);
  btPerf = Button(tsPerformances, "btPerf", "Evaluate maximum depreciation", 366, 180, 200);
  lb63 = Label(tsPerformances, "lb63", 16, 216, 480, 54);
  lb63->setWordWrap(true);
  SetFontColor(lb63, clNavy);
  lb62T = Heading(tsPerformances, "lb62T", 16, 290);
  lb62 = Prose(tsPerformances, "lb62", 16, 310, 120);
}

void TfmMain::ConnectEvents() {
  auto click = [this](QAbstractButton* button, void (TfmMain::*handler)(QObject*)) {
    connect(button, &QAbstractButton::clicked, this, Guarded(this, [this, button, handler] {
              (this->*handler)(button);
            }));
  };
  click(btPrevious, &TfmMain::btNextClick);
  click(btNext, &TfmMain::btNextClick);
  click(btNav, &TfmMain::btNavClick);
  click(btSimpleWithout, &TfmMain::btSimpleWithoutClick);
  click(btSimpleWith, &TfmMain::btSimpleWithClick);
  click(bt2Calc, &TfmMain::bt2CalcClick);
  click(bt2CalcPartiallyProtected, &TfmMain::bt2CalcPartiallyProtectedClick);
  click(bt2CalcProtected, &TfmMain::bt2CalcProtectedClick);
  click(btThread, &TfmMain::btThreadClick);
  click(btTimer, &TfmMain::btTimerClick);
  click(btEnjoy, &TfmMain::btEnjoyClick);
  click(btCounter, &TfmMain::btCounterClick);
  click(bt4Calc, &TfmMain::bt4CalcClick);
  click(bt4CalcDisabled, &TfmMain::bt4CalcDisabledClick);
  click(btUseDebugMsg, &TfmMain::btUseDebugMsgClick);
  click(btCloseProcess, &TfmMain::btCloseProcessClick);
  click(btPerfNormal, &TfmMain::btPerfClick);
  click(btPerf, &TfmMain::btPerfClick);
  Timer1->OnTimer = [this](QObject* Sender) { Timer1Timer(Sender); };
  lbPages->OnClick = [this](QObject* Sender) { lbPagesClick(Sender); };
  rgOnOff->OnClick = [this](QObject* Sender) { rgOnOffClick(Sender); };
  rgLanguage->OnClick = [this](QObject* Sender) { rgLanguageClick(Sender); };
}
