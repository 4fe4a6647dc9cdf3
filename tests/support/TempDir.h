// A fresh folder under the system's temporary folder, removed with its
// content at the end of the test.
#pragma once

#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, with a trailing "/".
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  // Writes bytes to a file in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // Dates a file (any path) to a local date and time.
  static void SetFileDate(const std::string& path, int year, int month, int day, int hour, int min, int sec);
  // The bytes of a file in the folder ("" when missing).
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};
