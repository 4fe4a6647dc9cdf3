// A program started by the start-up benchmark: it starts as a program does,
// writes one line to its standard output as soon as its first window is
// shown (exposed and painted), then ends as the program would.
//   corvane_startup_probe corvane <program folder>   the assistant's main window
//   corvane_startup_probe bare                        a bare Qt window of the same size
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <string>

#include "GuiApplication.h"
#include "Main.h"

int main(int argc, char** argv) {
  const std::string kind = argc > 1 ? argv[1] : "";
  TGuiApplication application(argc, argv);
  QWidget* window = nullptr;
  if (kind == "corvane" && argc > 2) {
    Application->SetExeName(std::string(argv[2]) + "/corvane");
    Application->Title = "Lumbrick";
    window = new TfmMain;
  } else {
    window = new QWidget;
    window->setWindowState(Qt::WindowMaximized);
  }
  window->show();
  while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
  std::fputs("shown\n", stdout);
  std::fflush(stdout);
  delete window;
  return 0;
}
