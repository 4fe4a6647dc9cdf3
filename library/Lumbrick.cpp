#include "Lumbrick.h"

#include "Dialogs.h"
#include "Files.h"
#include "ReportWindow.h"
#include "ScopedFlag.h"

TLumbrick* VIX = nullptr;

TLumbrick::TLumbrick(TComponent* AOwner) : TComponent(AOwner) {
  if (Application) AppPath = ExtractFilePath(Application->ExeName());
  if (TReportWindowFactory factory = ReportWindowFactory()) FWindow = factory(*this);
  fmLumbrick = FWindow.get();
}

TLumbrick::~TLumbrick() {
  {
    std::lock_guard lock(FStackLock);
    FStackList.Clear();
  }
  if (fmLumbrick == FWindow.get()) fmLumbrick = nullptr;
  FWindow.reset();
  FIniFile.reset();
}

void TLumbrick::Push(std::string_view RoutineName) noexcept {
  const Exception* current = CurrentException();
  if (current == nullptr) return;
  try {
    std::lock_guard lock(FStackLock);
    if (!(current->Address() == FLastExceptAddr)) {
      FLastExceptAddr = current->Address();
      FStackList.Clear();
    }
    FStackList.Add(RoutineName);
  } catch (...) {
    // Out of memory while unwinding: the name is lost, the exception is not.
  }
}

void TLumbrick::Enable(int Mode) { FState = Mode == 1 ? 1 : 2; }

void TLumbrick::Disable(int Mode) { FState = Mode == 1 ? -1 : -2; }

std::vector<std::string> TLumbrick::StackList() const {
  std::lock_guard lock(FStackLock);
  return FStackList.Names();
}

bool TLumbrick::AskViewMore(const Exception& E) {
  // Line breaks of the library's dialogs are LF CR.
  const std::string text = WithFullStop(E.Message()) + "\n\r\n\r" + GetMessage(0);
  return MessageDlg(text, TMsgDlgType::mtError, mbYes | mbNo) == mrYes;
}

void TLumbrick::ResetAfterProcessing() {
  {
    std::lock_guard lock(FStackLock);
    FLastExceptAddr = RaiseAddress();
    FStackList.Clear();
  }
  DebugMsg.clear();
  if (FState == -2)
    FState = 1;
  else if (FState == 2)
    FState = -1;
}

bool TLumbrick::ProcessException(Exception& E) {
  bool result = FState > 0;
  try {
    if (!result) {
      Application->ShowException(E);
    } else {
      result = AskViewMore(E);
      if (result) BuildTechnicalInfo(E);
    }
  } catch (...) {
    ResetAfterProcessing();
    throw;
  }
  ResetAfterProcessing();
  return result;
}

void TLumbrick::HandleException(TObject*, Exception& E) noexcept {
  try {
    if (FReportShown) {
      // A failure while the report window is open (its own buttons, say):
      // the report the user is writing keeps the failure it is about, and
      // this one is told on its own.
      ResetAfterProcessing();
      Application->ShowException(E);
      return;
    }
    if (!ProcessException(E)) return;
    LoadStationSettings();
    if (!FWindow) throw Exception("No report window");
    FWindow->PrepareForm(Language);
    FWindow->SetExceptionText(E.Message());
    FWindow->SetTechnicalText(FTechInfo);
    const TScopedFlag shown(FReportShown);
    FWindow->ShowModal();
  } catch (...) {
    try {
      MessageDlg("Exception Handler Error", TMsgDlgType::mtError, mbOK);
    } catch (...) {
      // Nothing is left that could tell the user.
    }
  }
}
