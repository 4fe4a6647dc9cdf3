// A windowless host for the library: an application whose executable lives
// in a temporary folder, fixed host figures, scripted dialogs, a fixed screen
// and a report window that records what the component shows.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "Application.h"
#include "FixedHost.h"
#include "Lumbrick.h"
#include "ReportWindow.h"
#include "Screen.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

class FakeScreen final : public TScreen {
 public:
  ScreenEntry ActiveForm() const override { return {"fmMain", "Dromlet"}; }
  std::string ActiveControlName() const override { return "btRaise"; }
  std::vector<ScreenEntry> Forms() const override {
    return {{"fmMain", "Dromlet"}, {"fmLumbrick", "Exception Informations"}};
  }
};

class FakeReportWindow final : public TReportWindow {
 public:
  void PrepareForm(int ALanguage) override { language = ALanguage; }
  void SetExceptionText(const std::string& text) override { exceptionText = text; }
  void SetTechnicalText(const std::string& text) override { technicalText = text; }
  void ShowModal() override {
    ++shown;
    if (onShow) onShow();
  }
  std::string UserDescCaption() const override {
    return language == 1 ? "User Description" : "Description de l'utilisateur";
  }
  std::vector<std::string> UserDescLines() const override { return description; }

  int language = 1;
  int shown = 0;
  std::string exceptionText;
  std::string technicalText;
  std::vector<std::string> description;
  std::function<void()> onShow;  // what the user does while it is shown
};

class LibraryTest : public ::testing::Test {
 protected:
  LibraryTest();
  ~LibraryTest() override;

  FakeReportWindow& Window() { return *static_cast<FakeReportWindow*>(fmLumbrick); }
  // Runs a handler as the application's event loop does.
  void Run(const std::function<void()>& handler) { RunGuarded(nullptr, handler); }

  FixedHost host;
  ScriptedDialogs dialogs;
  TempDir dir;
  TApplication app;
  FakeScreen screen;
  TScreen* savedScreen;
  TLumbrick* lib = nullptr;
};
