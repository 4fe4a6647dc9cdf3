// The run-time library's string list: indexed texts with a checked index,
// built from a text or a file split at its line breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Exceptions.h"

class TStringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // EStringListError "List index out of bounds (<index>)" outside 0..Count-1.
  const std::string& Strings(int index, HOST_RAISE_SITE) const;
  int Add(std::string s);
  void Clear() { items_.clear(); }
  void SetCapacity(int capacity);

  // Every item followed by CR LF.
  std::string Text() const;
  // Replaces the items with the lines of text: CR, LF and CR LF each end a
  // line, and a final line break adds no empty item (so "\n\r" twice gives
  // three items: one ended by LF, one by CR LF, one by CR).
  void SetText(std::string_view text);
  // EFOpenError "Cannot open file "<path>"" when the file cannot be read.
  void LoadFromFile(const std::string& path, HOST_RAISE_SITE);

 private:
  std::vector<std::string> items_;
};
