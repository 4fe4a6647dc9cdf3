#include "GuiApplication.h"

#include <QApplication>
#include <cstdlib>

#include "AccessViolation.h"
#include "Form.h"

// Handlers run guarded (Guard.h); this catches only what escaped one, such as
// an event override that forgot its guard, before Qt's own frames are left.
class TGuiApplication::QtApp final : public QApplication {
 public:
  QtApp(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      RunGuarded(dynamic_cast<TObject*>(receiver), [] { throw; });
      return false;
    }
  }
};

TGuiApplication::TGuiApplication(int& argc, char** argv)
    : app_(std::make_unique<QtApp>(argc, argv)),
      previous_dialogs_(SetDialogHost(&dialogs_)),
      previous_file_dialogs_(SetFileDialogHost(&file_dialogs_)),
      previous_screen_(Screen),
      previous_openers_(SetOpenerWatcher(&openers_)) {
  Screen = &screen_;
  InstallAccessViolationHandler();
  if (!ExeNameError().empty()) {
    MessageBox(ExeNameError(), Title, MB_OK | MB_ICONSTOP);
    std::exit(EXIT_FAILURE);
  }
}

TGuiApplication::~TGuiApplication() {
  SetOpenerWatcher(previous_openers_);
  // Owned components may hold windows: free them while Qt still runs.
  DestroyComponents();
  Screen = previous_screen_;
  SetFileDialogHost(previous_file_dialogs_);
  SetDialogHost(previous_dialogs_);
}

bool TGuiApplication::Active() const {
  return QGuiApplication::applicationState() == Qt::ApplicationActive ||
         QApplication::activeWindow() != nullptr;
}

bool TGuiApplication::IsRightToLeft() const { return QGuiApplication::isRightToLeft(); }

std::string TGuiApplication::CurrentHelpFile() const {
  const TForm* form = TGuiScreen::ActiveTForm();
  return form && !form->HelpFile.empty() ? form->HelpFile : HelpFile;
}

void TGuiApplication::ProcessMessages() { QCoreApplication::processEvents(); }

int TGuiApplication::Run() { return QApplication::exec(); }
