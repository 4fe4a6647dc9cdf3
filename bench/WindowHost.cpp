#include "WindowHost.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <memory>

#include "GuiApplication.h"
#include "GuiStatusBar.h"
#include "Lumbrick.h"
#include "StatusText.h"

namespace {

class THost {
 public:
  THost() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qtDefault_ = qInstallMessageHandler(Quiet);
    app_ = std::make_unique<TGuiApplication>(argc_, argv_);
    VIX = new TLumbrick(app_.get());
    main_ = std::make_unique<QMainWindow>();
    auto* statusBar = new TGuiStatusBar;
    main_->setStatusBar(statusBar);
    main_->resize(800, 600);
    main_->show();
    MainStatusBar = statusBar;
  }

 private:
  // The offscreen platform notes every window call it ignores.
  static void Quiet(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) return;
    qtDefault_(type, context, text);
  }
  static inline QtMessageHandler qtDefault_ = nullptr;
  int argc_ = 1;
  char name_[8] = "bench";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TGuiApplication> app_;
  std::unique_ptr<QMainWindow> main_;
};

}  // namespace

void WindowHost() {
  static const THost* host = new THost;
  (void)host;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}
