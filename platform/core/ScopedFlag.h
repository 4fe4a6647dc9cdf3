// A Boolean that is set for a scope and cleared at its end, also when the
// scope ends by an exception: a window's busy mark, the library's "report
// window shown".
#pragma once

class TScopedFlag {
 public:
  explicit TScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~TScopedFlag() { flag_ = false; }
  TScopedFlag(const TScopedFlag&) = delete;
  TScopedFlag& operator=(const TScopedFlag&) = delete;

 private:
  bool& flag_;
};
