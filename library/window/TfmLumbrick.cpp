#include "TfmLumbrick.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "Dialogs.h"
#include "Fonts.h"
#include "Guard.h"
#include "Lumbrick.h"
#include "QtText.h"

namespace {

struct Texts {
  const char* form;
  const char* userDescHint;
  const char* techDataHint;
  const char* create;
  const char* createHint;
  const char* close;
  const char* userDesc;
  const char* technical;
};

const Texts kEnglish = {
    "Exception Informations",
    "Please enter the bug description: general context (current operation, other applications running...) and "
    "any particuliar information that may be useful.",
    "These informations describe the technical environment at the time the bug occured. They do not contain any "
    "confidential information.",
    "Create BugReport",
    "Right-Click for Menu",
    "Close",
    "User Description",
    "Technical Informations",
};

// Windows-1252.
const Texts kFrench = {
    "Informations sur l'exception",
    "Entrez le description du bug: contexte g\xE9n\xE9ral, op\xE9ration en cours, autres applications ouvertes et "
    "toute information particuli\xE8re pouvant \xEAtre utile.",
    "Ces informations d\xE9" "crivent l'environnement technique au moment de l'exception. Aucune donn\xE9" "e "
    "confidentielle n'y figure.",
    "Cr\xE9" "er un bug report",
    "Menu sur click droit",
    "Fermer",
    "Description de l'utilisateur",
    "Informations techniques",
};

// A page: a navy instruction panel over a text box that fills the rest.
QWidget* MakePage(const char* name, QLabel*& hint, const char* hintName, QTextEdit*& box, const char* boxName) {
  auto* page = new QWidget;
  page->setObjectName(name);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  hint = new QLabel;
  hint->setObjectName(hintName);
  hint->setMinimumHeight(30);
  hint->setContentsMargins(7, 7, 7, 7);
  hint->setWordWrap(true);
  hint->setStyleSheet("color: #000080;");
  box = new QTextEdit;
  box->setObjectName(boxName);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  box->setAcceptRichText(false);
  layout->addWidget(hint);
  layout->addWidget(box, 1);
  return page;
}

// A header button: its design size, wider when the host's font needs more
// room for a caption (the design was made for another font).
void SizeHeaderButton(QToolButton* button, int designWidth) {
  button->setFixedHeight(22);
  button->setMinimumWidth(designWidth);
  button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // its size hint, at least the design width
}

std::unique_ptr<TReportWindow> MakeReportWindow(TLumbrick& owner) { return std::make_unique<TfmLumbrick>(owner); }

// Linking this window into a program makes it the component's report window.
const bool registered = (SetReportWindowFactory(MakeReportWindow), true);

}  // namespace

TfmLumbrick::TfmLumbrick(TLumbrick& owner) : FOwnerLumbrick(&owner) {
  SetName("fmLumbrick");
  setFont(DesignFont(8, QStringLiteral("MS Sans Serif")));
  setGeometry(42, 45, 739, 480);

  pHeader = new QWidget(this);
  pHeader->setObjectName("pHeader");
  auto* header = new QHBoxLayout(pHeader);
  header->setContentsMargins(8, 3, 10, 3);
  lbException = new QLabel(pHeader);
  lbException->setObjectName("lbException");
  lbException->setWordWrap(true);
  lbException->setTextFormat(Qt::PlainText);  // a message is never markup
  lbException->setStyleSheet("color: #FF0000;");
  lbException->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  btCreate = new QToolButton(pHeader);
  btCreate->setObjectName("btCreate");
  btCreate->setAutoRaise(true);  // flat
  btCreate->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  btCreate->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SizeHeaderButton(btCreate, 125);
  btCreate->setContextMenuPolicy(Qt::CustomContextMenu);
  btClose = new QToolButton(pHeader);
  btClose->setObjectName("btClose");
  btClose->setAutoRaise(true);
  btClose->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  btClose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  SizeHeaderButton(btClose, 78);
  header->addWidget(lbException, 0, Qt::AlignTop);
  header->addStretch(1);
  header->addWidget(btCreate, 0, Qt::AlignTop);
  header->addWidget(btClose, 0, Qt::AlignTop);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  tsUserDesc = MakePage("tsUserDesc", pUserDesc, "pUserDesc", mUserDesc, "mUserDesc");
  tsTechnical = MakePage("tsTechnical", pTechData, "pTechData", mInfos, "mInfos");
  mInfos->setReadOnly(true);
  PageControl1->addTab(tsUserDesc, QString());
  PageControl1->addTab(tsTechnical, style()->standardIcon(QStyle::SP_FileDialogDetailedView), QString());
  PageControl1->setCurrentWidget(tsTechnical);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(pHeader);
  layout->addWidget(PageControl1, 1);

  pmParams = new QMenu(this);
  pmParams->setObjectName("pmParams");
  miId = pmParams->addAction(QString());
  miId->setObjectName("miId");

  connect(btCreate, &QToolButton::clicked, this, Guarded(this, [this] { btCreateClick(this); }));
  connect(btClose, &QToolButton::clicked, this, Guarded(this, [this] { btCloseClick(this); }));
  connect(btCreate, &QWidget::customContextMenuRequested, this, Guarded(this, [this](const QPoint& at) {
            pmParamsPopup(this);
            pmParams->exec(btCreate->mapToGlobal(at));
          }));
  connect(miId, &QAction::triggered, this, Guarded(this, [this] { miIdClick(this); }));

  ApplyTexts(true);  // the designed texts
  FormCreate(this);
}

void TfmLumbrick::FormCreate(TObject*) { FLanguage = 1; }

void TfmLumbrick::ApplyTexts(bool english) {
  const Texts& t = english ? kEnglish : kFrench;
  SetCaption(t.form);
  pUserDesc->setText(Qs(t.userDescHint));
  pTechData->setText(Qs(t.techDataHint));
  btCreate->setText(Qs(t.create));
  btCreate->setToolTip(Qs(t.createHint));
  btClose->setText(Qs(t.close));
  PageControl1->setTabText(PageControl1->indexOf(tsUserDesc), Qs(t.userDesc));
  PageControl1->setTabText(PageControl1->indexOf(tsTechnical), Qs(t.technical));
}

void TfmLumbrick::SetLanguage(int ALanguage) {
  if (ALanguage == FLanguage) return;
  FLanguage = ALanguage;
  ApplyTexts(ALanguage == 1);
}

void TfmLumbrick::PrepareForm(int ALanguage) {
  SetLanguage(ALanguage);
  PageControl1->setCurrentWidget(tsTechnical);
  lbException->setFixedWidth(465);
}

void TfmLumbrick::SetExceptionText(const std::string& text) { lbException->setText(QsDisplay(text)); }

void TfmLumbrick::SetTechnicalText(const std::string& text) { mInfos->setPlainText(QsDisplay(text)); }

void TfmLumbrick::ShowModal() { TForm::ShowModal(); }

std::string TfmLumbrick::UserDescCaption() const {
  return As(PageControl1->tabText(PageControl1->indexOf(tsUserDesc)));
}

std::vector<std::string> TfmLumbrick::UserDescLines() const {
  std::vector<std::string> lines;
  const QString text = mUserDesc->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(As(line));
  if (text.endsWith('\n')) lines.pop_back();  // a final line break ends the last line
  return lines;
}

void TfmLumbrick::btCloseClick(TObject*) { Close(); }

void TfmLumbrick::btCreateClick(TObject*) {
  FOwnerLumbrick->CreateAndOpenBugReport();
  Close();
}

void TfmLumbrick::pmParamsPopup(TObject*) {
  miId->setText(Qs(GetMessage(10) + " : " + FOwnerLumbrick->StationId));
}

void TfmLumbrick::miIdClick(TObject*) {
  std::string label = FOwnerLumbrick->StationId;
  if (InputQuery(GetMessage(10), GetMessage(11), label)) FOwnerLumbrick->SetStationId(label);
}
