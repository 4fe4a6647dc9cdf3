// The routine names pushed for one exception, innermost first. Cleared
// names keep their storage, so pushing while an exception unwinds allocates
// nothing once the list has been that long before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TStackList {
 public:
  TStackList() { names_.reserve(20); }
  void Clear() { count_ = 0; }
  void Add(std::string_view name) {
    if (count_ < names_.size())
      names_[count_].assign(name);
    else
      names_.emplace_back(name);
    ++count_;
  }
  std::vector<std::string> Names() const {
    return {names_.begin(), names_.begin() + static_cast<std::ptrdiff_t>(count_)};
  }

 private:
  std::vector<std::string> names_;
  std::size_t count_ = 0;
};
