// A windowless host for the scanner: the library component in VIX (so that
// the protective blocks have somewhere to push), a temporary folder for
// sources, and the code options and language restored after each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Application.h"
#include "CodeOptions.h"
#include "Lumbrick.h"
#include "SourceScanner.h"
#include "TempDir.h"

class ScannerTest : public ::testing::Test {
 protected:
  ScannerTest();
  ~ScannerTest() override;

  // A scanner on a file holding Text (CR LF line breaks as written), loaded.
  TSourceScanner& Load(const std::string& Text, const std::string& Name = "Unit1.pas");
  // Adds a routine keyword with its begin and end keywords (positions of
  // their first characters) to the scanner's lists, as the keyword scan would.
  TRoutineInfo& AddRoutine(TSourceScanner& S, int Procedure, int Begin, int End);
  static int Pos(const TSourceScanner& S, const std::string& Sub, int Occurrence = 1);

  TApplication app;
  TempDir dir;
  std::unique_ptr<TSourceScanner> scanner;

 private:
  TCodeOptions savedOptions;
  int savedLanguage;
};
