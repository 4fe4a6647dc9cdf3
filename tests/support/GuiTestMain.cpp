// Runs the tests under a real windowed application, offscreen unless the
// environment asks for another platform.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "GuiApplication.h"

namespace {
QtMessageHandler qtDefault = nullptr;

// The offscreen platform notes every window call it ignores (raise, size
// hints); those notes would bury the tests' own output.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
    return;
  qtDefault(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  qtDefault = qInstallMessageHandler(QuietOffscreen);
  ::testing::InitGoogleTest(&argc, argv);
  TGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
