#include "StringList.h"

#include "Files.h"
#include "SysUtils.h"

const std::string& TStringList::Strings(int index, std::source_location where) const {
  if (index < 0 || index >= Count())
    throw EStringListError(Format("List index out of bounds (%d)", {index}), RaiseAddress::At(where));
  return items_[static_cast<std::size_t>(index)];
}

int TStringList::Add(std::string s) {
  items_.push_back(std::move(s));
  return Count() - 1;
}

void TStringList::SetCapacity(int capacity) {
  if (capacity > 0) items_.reserve(static_cast<std::size_t>(capacity));
}

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& item : items_) text.append(item).append("\r\n");
  return text;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    items_.emplace_back(text.substr(pos, stop - pos));
    pos = stop;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

void TStringList::LoadFromFile(const std::string& path, std::source_location where) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) throw EFOpenError("Cannot open file \"" + path + "\"", RaiseAddress::At(where));
  SetText(*bytes);
}
