// The start and stop button of the worker thread and its end-of-run
// notification.
#include <QPushButton>
#include <algorithm>

#include "Dialogs.h"
#include "DromletMain.h"
#include "ExampleThread.h"
#include "Lumbrick.h"
#include "QtText.h"

void TfmMain::btThreadClick(QObject*) try {
  if (btThread->text() == QStringLiteral("Start Thread")) {
    btThread->setText(Qs("Stop Thread"));
    FThread = new TExampleThread;
    std::erase_if(FThreads, [](const QPointer<TExampleThread>& t) { return t.isNull(); });
    FThreads.push_back(FThread);
    // In time: the thread runs until it is told to stop, and its
    // notification runs in this thread.
    FThread->OnTerminate = [this](QObject* Sender) { ExampleThreadOnTerminate(Sender); };
  } else {
    btThread->setText(Qs("Start Thread"));
    if (FThread) FThread->Terminate();
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.btThreadClick");
  throw;
}

// Sender is the thread that has ended, which may not be the one started
// last. It is released after this returns, never here.
void TfmMain::ExampleThreadOnTerminate(QObject* Sender) try {
  if (const auto* thread = dynamic_cast<TExampleThread*>(Sender)) ShowMessage(thread->FResult);
} catch (...) {
  VIX->Push("Procedure TfmMain.ExampleThreadOnTerminate");
  throw;
}
