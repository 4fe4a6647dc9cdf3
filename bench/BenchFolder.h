// A fresh folder of the benchmarks under the system's temporary folder,
// removed with its content when the object goes (a static one at the end of
// the run).
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class TBenchFolder {
 public:
  explicit TBenchFolder(const std::string& Prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (Prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern + "/";
  }
  ~TBenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TBenchFolder(const TBenchFolder&) = delete;
  TBenchFolder& operator=(const TBenchFolder&) = delete;

  // With its trailing "/".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
