#include "Application.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "Codepage.h"
#include "Dialogs.h"
#include "FileNames.h"

TApplication* Application = nullptr;

namespace {
// The system's name of the running executable.
std::string RunningExecutable() {
  std::error_code ec;
  auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}
}  // namespace

TApplication::TApplication() : TComponent(nullptr) {
  const std::string exe = RunningExecutable();
  try {
    exe_name_ = ProgramName(exe);
  } catch (const Exception& e) {
    exe_name_ = Utf8ToAnsi(exe);
    exe_name_error_ = e.Message();
  }
  Title = std::filesystem::path(exe_name_).stem().string();
  if (Application == nullptr) Application = this;
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

std::string WithFullStop(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

void TApplication::ShowException(const Exception& e) {
  MessageBox(WithFullStop(e.Message()), Title, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject* sender, Exception& e) {
  if (dynamic_cast<EAbort*>(&e)) return;
  if (OnException)
    OnException(sender, e);
  else
    ShowException(e);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return ::MessageBox(text, caption, flags);
}

namespace {
void Deliver(TObject* sender, Exception& e) noexcept {
  try {
    if (Application)
      Application->HandleException(sender, e);
    else if (!dynamic_cast<EAbort*>(&e))
      std::fprintf(stderr, "%s: %s\n", e.ClassName(), e.Message().c_str());
  } catch (...) {
    // The exception event itself failed: nothing is left to tell.
    std::fprintf(stderr, "exception event failed while handling: %s\n", e.Message().c_str());
  }
}
}  // namespace

void RunGuarded(TObject* sender, const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (Exception& e) {
    Deliver(sender, e);
  } catch (const std::exception& e) {
    Exception wrapped(e.what());
    Deliver(sender, wrapped);
  } catch (...) {
    Exception wrapped("Unknown exception");
    Deliver(sender, wrapped);
  }
}
