// Random Pascal units for the scanner's property tests: classes, nested
// routines, asm bodies, every comment kind, literals with doubled quotes,
// user try blocks, case statements, protective blocks already in place (in
// every layout, with current or outdated routine texts) and ignore markers.
// The same seed gives the same unit.
#pragma once

#include <random>
#include <string>

class PascalGenerator {
 public:
  explicit PascalGenerator(unsigned Seed);
  // A whole unit, CR LF line breaks, that scans without error.
  std::string Unit();

 private:
  int Pick(int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(rng_); }
  bool Chance(int Percent) { return Pick(100) < Percent; }
  std::string Routine(const std::string& Margin, int Depth);
  std::string Heading(std::string& Kind, std::string& ClassName, std::string& Name, std::string& Params);
  std::string Body(const std::string& Indent, int Depth);
  std::string Statement(const std::string& Indent, int Depth);
  std::string ImplementationTypes();

  std::mt19937 rng_;
  std::string unit_;        // the indentation unit of this source
  std::string beginShift_;  // begin and end indented beyond their heading (then the body beyond them)
  int counter_ = 0;
};
