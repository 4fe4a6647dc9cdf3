// The program block of Corvane: the application, titled "Lumbrick", the main
// window, the message loop.
#include "GuiApplication.h"
#include "Main.h"

int main(int argc, char** argv) {
  TGuiApplication application(argc, argv);
  Application->Title = "Lumbrick";
  auto* window = new TfmMain;  // fmMain
  window->show();
  const int exitCode = application.Run();
  // The window goes before the application, which then frees the library.
  delete window;
  return exitCode;
}
