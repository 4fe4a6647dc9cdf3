// The program block: the application, the main window, the message loop.
#include "DromletMain.h"
#include "GuiApplication.h"

int main(int argc, char** argv) {
  TGuiApplication application(argc, argv);
  auto* window = new TfmMain;  // fmMain
  window->show();
  const int exitCode = application.Run();
  // The window goes before the application, which then frees the library.
  delete window;
  return exitCode;
}
