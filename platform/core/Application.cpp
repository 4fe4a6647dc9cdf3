#include "Application.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "Dialogs.h"

TApplication* Application = nullptr;

namespace {
std::string RunningExecutable() {
  std::error_code ec;
  auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}
}  // namespace

TApplication::TApplication() : TComponent(nullptr), exe_name_(RunningExecutable()) {
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
