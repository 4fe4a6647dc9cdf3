// Stands in as the application's exception event for one test and records
// what reaches it.
#pragma once

#include <string>
#include <vector>

#include "Application.h"

struct RecordedException {
  TObject* sender;
  std::string className;
  std::string message;
};

class ExceptionRecorder {
 public:
  ExceptionRecorder() : saved_(std::move(Application->OnException)) {
    Application->OnException = [this](TObject* sender, Exception& e) {
      seen.push_back({sender, e.ClassName(), e.Message()});
    };
  }
  ~ExceptionRecorder() { Application->OnException = std::move(saved_); }
  ExceptionRecorder(const ExceptionRecorder&) = delete;
  ExceptionRecorder& operator=(const ExceptionRecorder&) = delete;

  std::vector<RecordedException> seen;

 private:
  TExceptionEvent saved_;
};
