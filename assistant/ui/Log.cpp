#include "Log.h"

#include <QFontMetrics>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "Application.h"
#include "BusyGuards.h"
#include "Codepage.h"
#include "CommonGlobals.h"
#include "Design.h"
#include "FileContents.h"
#include "Fonts.h"
#include "FormIcon.h"
#include "Guard.h"
#include "LogLine.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "ProgressLabel.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "StatusText.h"
#include "SysUtils.h"
#include "Translator.h"

TfmLog* fmLog = nullptr;

namespace {
// Outer size 654 x 376 on the original platform; this host sizes the client.
constexpr int kClientWidth = 646;
constexpr int kClientHeight = 342;

TSpeedButton* Button(QWidget* parent, const char* name, int x, TGlyph glyph) {
  auto* button = Place(new TSpeedButton(parent), name, x, 15, 111, 22);
  button->SetGlyph(Glyph(glyph));
  return button;
}

TProgressLabel* ProgressLine(QWidget* parent, const char* name, int y) {
  return Place(new TProgressLabel(parent), name, 0, y, 282, 15);
}

// A line's text as Qt shows it.
QString Shown(const std::string& Text, bool Utf8) { return Utf8 ? QString::fromStdString(Text) : Qs(Text); }
}  // namespace

TfmLog::TfmLog(QWidget* Owner) : TForm(Owner) {
  SetName("fmLog");
  setFont(DesignFont());
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setGeometry(72, 34, kClientWidth, kClientHeight);
  HelpFile = "index.htm";

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(5, 5, 5, 5);
  layout->setSpacing(0);
  lbLog = new TOwnerDrawListBox(16, this);
  lbLog->setObjectName("lbLog");
  lbLog->setFrameShape(QFrame::NoFrame);
  lbLog->SetScrollOncePerPass(true);
  QPalette colors = lbLog->palette();
  colors.setColor(QPalette::Base, palette().color(QPalette::Window));
  lbLog->setPalette(colors);
  layout->addWidget(lbLog, 1);

  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFixedHeight(37);
  layout->addWidget(Panel1);
  lbInfo = ProgressLine(Panel1, "lbInfo", 8);
  lbInfoPlus = ProgressLine(Panel1, "lbInfoPlus", 23);
  btCancel = Button(Panel1, "btCancel", 288, TGlyph::Cancel);
  btCancel->hide();
  btOk = Button(Panel1, "btOk", 406, TGlyph::Close);
  btSave = Button(Panel1, "btSave", 523, TGlyph::Save);
  SaveDialog1.DefaultExt = "txt";

  lbLog->OnDrawItem = [this](QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State) {
    lbLogDrawItem(Canvas, Index, Rect, State);
  };
  connect(btOk, &QToolButton::clicked, this, Guarded(this, [this] { btOkClick(this); }));
  connect(btCancel, &QToolButton::clicked, this, Guarded(this, [this] { btCancelClick(this); }));
  connect(btSave, &QToolButton::clicked, this, Guarded(this, [this] { btSaveClick(this); }));
  RunGuarded(this, [this] { FormCreate(this); });
  SetOperationLog(this);
}

TfmLog::~TfmLog() {
  if (OperationLog() == this) SetOperationLog(nullptr);
  if (fmLog == this) fmLog = nullptr;
}

void TfmLog::FormCreate(QObject*) try {
  SetFormIcon(this);
  SaveDialog1.InitialDir = ExeDir;
  LastIndex = -1;
  FCancelled = false;
  TranslateFirst();
} catch (...) {
  VIX->Push("Procedure TfmLog.FormCreate");
  throw;
}

void TfmLog::TranslateFirst() try {
  btOk->SetCaption(Trt("Close"));
  btOk->setToolTip(Qs(Trt("Close Window")));
  btCancel->SetCaption(Trt("Cancel"));
  btCancel->setToolTip(Qs(Trt("Cancel Operation")));
  btSave->SetCaption(Trt("Save"));
  btSave->setToolTip(Qs(Trt("Save Log into Text File")));
  SetCaption(Trt(" Operation Log"));
  lbInfo->SetText("...");
  lbInfoPlus->SetText("");
  SaveDialog1.Title = Trt("Save Log into Text File");
  SaveDialog1.Filter = Trt("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
} catch (...) {
  VIX->Push("Procedure TfmLog.TranslateFirst");
  throw;
}

void TfmLog::StartLog(const std::string& Title) try {
  // One operation at a time: one started inside another would clear its
  // lines, and its end would end the other's cancel and status.
  if (TOperation::Running()) Abort();
  // Held by the log once it is open: TerminateLog ends it.
  auto operation = std::make_unique<TOperation>(this);
  StartTime = DateTimeToTimeStamp(Now());
  Success = false;
  FCancelled = false;
  ClearLog();
  DisplayInfoPlus("");
  AddMsg(Title);
  AddBlank();
  Lock(true);
  show();
  btCancel->hide();
  FOperation = std::move(operation);
} catch (...) {
  VIX->Push("Procedure TfmLog.StartLog");
  throw;
}

void TfmLog::TerminateLog() try {
  // The other windows are given back at the end, also after a failure here.
  const std::unique_ptr<TOperation> ending = std::move(FOperation);
  EndTime = DateTimeToTimeStamp(Now());
  // From the two dates and times of day, so that an operation that runs
  // across midnight shows its real length.
  const double milliseconds =
      (static_cast<double>(EndTime.Date) - StartTime.Date) * 86400000.0 + (EndTime.Time - StartTime.Time);
  const std::string suffix = " (" + FloatToStr(milliseconds / 1000.0) + " s)";
  const std::string status = FCancelled ? Trt("Aborted by User") : Success ? Trt("Terminated") : Trt("Abnormal Termination");
  ShowProgress(lbInfoPlus, "", false);
  ShowProgress(lbInfo, status + suffix, false);
  FCancelled = false;
  Lock(false);
  btCancel->hide();
} catch (...) {
  VIX->Push("Procedure TfmLog.TerminateLog");
  throw;
}

void TfmLog::AddMsg(const std::string& Text) try {
  AddLine(Text, false);
} catch (...) {
  VIX->Push("Procedure TfmLog.AddMsg");
  throw;
}

void TfmLog::AddMsgUtf8(const std::string& Utf8Text) try {
  AddLine(Utf8Text, true);
} catch (...) {
  VIX->Push("Procedure TfmLog.AddMsgUtf8");
  throw;
}

void TfmLog::AddLine(const std::string& Text, bool Utf8) try {
  FLines.push_back(Text);
  FUtf8.push_back(Utf8);
  Measure(Text, Utf8);
  lbLog->AddRow();
  LastIndex = LineCount() - 1;
  lbLog->SetItemIndex(LastIndex);
} catch (...) {
  VIX->Push("Procedure TfmLog.AddLine");
  throw;
}

void TfmLog::ChangeMsg(const std::string& Text) try {
  if (LastIndex < 0 || LastIndex >= LineCount()) return;
  FLines[static_cast<std::size_t>(LastIndex)] = Text;
  FUtf8[static_cast<std::size_t>(LastIndex)] = false;
  Measure(Text, false);
  lbLog->UpdateRow(LastIndex);
} catch (...) {
  VIX->Push("Procedure TfmLog.ChangeMsg");
  throw;
}

void TfmLog::AddBlank() try {
  AddMsg("");
} catch (...) {
  VIX->Push("Procedure TfmLog.AddBlank");
  throw;
}

void TfmLog::ClearLog() try {
  FLines.clear();
  FUtf8.clear();
  lbLog->Clear();
  LastIndex = -1;
  FWidest = 0;
  FTextWidths.clear();
  FUtf8TextWidths.clear();
  lbLog->SetContentWidth(0);
} catch (...) {
  VIX->Push("Procedure TfmLog.ClearLog");
  throw;
}

void TfmLog::DisplayInfo(const std::string& Text) try {
  ShowProgress(lbInfo, Text, true);
} catch (...) {
  VIX->Push("Procedure TfmLog.DisplayInfo");
  throw;
}

void TfmLog::DisplayInfoPlus(const std::string& Text) try {
  ShowProgress(lbInfoPlus, Text, true);
} catch (...) {
  VIX->Push("Procedure TfmLog.DisplayInfoPlus");
  throw;
}

void TfmLog::ClearInfo() try {
  DisplayInfo("");
} catch (...) {
  VIX->Push("Procedure TfmLog.ClearInfo");
  throw;
}

void TfmLog::ShowProgress(TProgressLabel* Line, const std::string& Text, bool MayAbort) try {
  Line->SetText(Text);
  if (isVisible()) {
    // The window repaints and its buttons, Cancel first, can be clicked in
    // the middle of a long operation.
    if (PassDue()) {
      FLastPass.Start();
      Application->ProcessMessages();
    }
    if (MayAbort && Cancelled()) Abort();
  } else {
    ShowInStatusBar(Line == lbInfo ? lbInfo->Text() : lbInfo->Text() + " - " + lbInfoPlus->Text());
  }
} catch (...) {
  VIX->Push("Procedure TfmLog.ShowProgress");
  throw;
}

bool TfmLog::PassDue() const try {
  return FLastPass.FrameGone();
} catch (...) {
  VIX->Push("Function TfmLog.PassDue");
  throw;
}

bool TfmLog::ProgressDue() const try {
  return !isVisible() || PassDue();
} catch (...) {
  VIX->Push("Function TfmLog.ProgressDue");
  throw;
}

void TfmLog::Pulse() try {
  if (isVisible() && (Cancelled() || PassDue())) ShowProgress(lbInfoPlus, lbInfoPlus->Text(), true);
} catch (...) {
  VIX->Push("Procedure TfmLog.Pulse");
  throw;
}

TfmLog::TCancelHeld::TCancelHeld(TfmLog& Log) try : FLog(Log) {
  ++FLog.FCancelHeld;
} catch (...) {
  VIX->Push("Constructor TCancelHeld.Create");
  throw;
}

TfmLog::TCancelHeld::~TCancelHeld() { --FLog.FCancelHeld; }

void TfmLog::Lock(bool Locked) try {
  btSave->setEnabled(!Locked);
} catch (...) {
  VIX->Push("Procedure TfmLog.Lock");
  throw;
}

void TfmLog::ShowCancel() try {
  btCancel->show();
} catch (...) {
  VIX->Push("Procedure TfmLog.ShowCancel");
  throw;
}

void TfmLog::btOkClick(QObject*) try {
  Close();
} catch (...) {
  VIX->Push("Procedure TfmLog.btOkClick");
  throw;
}

void TfmLog::FormCloseQuery(bool& CanClose) try {
  CanClose = !TOperation::Running();
} catch (...) {
  VIX->Push("Procedure TfmLog.FormCloseQuery");
  throw;
}

void TfmLog::setVisible(bool Visible) {
  // Hidden, the window would take the operation's event passes with it: the
  // program would answer nothing, Cancel included, until the operation ends.
  if (!Visible && isVisible() && TOperation::Running()) return;
  TForm::setVisible(Visible);
}

void TfmLog::btCancelClick(QObject*) try {
  FCancelled = true;
} catch (...) {
  VIX->Push("Procedure TfmLog.btCancelClick");
  throw;
}

void TfmLog::btSaveClick(QObject*) try {
  if (!ExecuteFileDialog(SaveDialog1)) return;
  // A log that shows a name only UTF-8 can spell is saved in UTF-8 whole,
  // so that the file reads in one encoding.
  const bool utf8 = std::find(FUtf8.begin(), FUtf8.end(), true) != FUtf8.end();
  std::string text;
  for (std::size_t i = 0; i < FLines.size(); ++i)
    text += (utf8 && !FUtf8[i] ? AnsiToUtf8(FLines[i]) : FLines[i]) + "\r\n";
  // Replaced whole or not at all: a failed save says which file and why,
  // and leaves the file and the lines as they were.
  SaveFileContents(SaveDialog1.FileName, text);
  ShowInfo(Trt("Log Saved in ") + SaveDialog1.FileName);
} catch (...) {
  VIX->Push("Procedure TfmLog.btSaveClick");
  throw;
}

void TfmLog::Measure(const std::string& Line, bool Utf8) try {
  const int width = LogLineWidth(Line, [this, Utf8](const std::string& Text) { return TextWidth(Text, Utf8); });
  if (width <= FWidest) return;
  FWidest = width;
  lbLog->SetContentWidth(FWidest + 4);
} catch (...) {
  VIX->Push("Procedure TfmLog.Measure");
  throw;
}

int TfmLog::TextWidth(const std::string& Text, bool Utf8) try {
  const auto [at, added] = (Utf8 ? FUtf8TextWidths : FTextWidths).try_emplace(Text, 0);
  if (added) at->second = lbLog->fontMetrics().horizontalAdvance(Shown(Text, Utf8));
  return at->second;
} catch (...) {
  VIX->Push("Function TfmLog.TextWidth");
  throw;
}

void TfmLog::lbLogDrawItem(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State) try {
  Canvas.fillRect(Rect, Canvas.brush());
  const bool utf8 = LineIsUtf8(Index);
  const TTextWidth width = [this, utf8](const std::string& Text) { return TextWidth(Text, utf8); };
  for (const TLogRun& run : LogLineRuns(Lines(Index), Rect.left(), State.Selected, Canvas.pen().color(), width)) {
    Canvas.setPen(run.Color);
    Canvas.drawText(QRect(run.X, Rect.top(), 0x7FFF, Rect.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    Shown(run.Text, utf8));
  }
} catch (...) {
  VIX->Push("Procedure TfmLog.lbLogDrawItem");
  throw;
}
