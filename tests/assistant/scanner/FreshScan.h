// Compares a scanner's keyword list, kept up by edits, with what a new scan
// of the same text gives: positions, kinds, levels, links and code states,
// and the status string.
#pragma once

#include <memory>
#include <string>

#include "SourceScanner.h"

// A scanner on Text alone (no file), scanned as a loaded unit would be.
std::unique_ptr<TSourceScanner> ScanText(const std::string& Text, const std::string& FileName = "GenUnit.pas");

// Empty when both agree, else what differs first.
std::string CompareWithFreshScan(const TSourceScanner& Edited);
// The same between two scanners of one text; WithStates compares the
// modification states and every clause rating too.
std::string CompareLists(const TSourceScanner& Edited, const TSourceScanner& Other, bool WithStates);
