#include "IniFile.h"

#include <time.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "Files.h"
#include "SysUtils.h"

namespace {

// The profile routines read values into a buffer of 2048 characters.
constexpr std::size_t kMaxValueLength = 2047;

std::string_view TrimBlanks(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The file as lines, each classified once, with an index of its sections.
class IniText {
 public:
  struct Line {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    std::string text;   // as in the file, without its line break
    std::string name;   // Section: its name; Key: the key
    std::string value;  // Key: the value, blanks trimmed
  };
  using Range = std::pair<std::size_t, std::size_t>;

  IniText() = default;
  explicit IniText(const std::string& b) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
      if (b[i] != '\r' && b[i] != '\n') continue;
      Add(b.substr(start, i - start));
      if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
      start = i + 1;
    }
    if (start < b.size()) Add(b.substr(start));
  }

  const std::vector<Line>& Lines() const { return lines_; }

  // Every line of the sections with this name (a name may repeat; the first
  // occurrence of a key wins), as [begin, end) ranges after the header.
  const std::vector<Range>& Sections(const std::string& section) const {
    static const std::vector<Range> none;
    if (!indexed_) Index();
    const auto it = index_.find(LowerCase(section));
    return it == index_.end() ? none : it->second;
  }

  // The lines of the key in the sections with this name, in file order.
  std::vector<std::size_t> KeyLines(const std::string& section, const std::string& ident) const {
    std::vector<std::size_t> found;
    for (const auto& [begin, end] : Sections(section))
      for (std::size_t i = begin; i < end; ++i)
        if (lines_[i].kind == Line::Kind::Key && SameText(lines_[i].name, ident)) found.push_back(i);
    return found;
  }

  std::optional<std::size_t> FindKey(const std::string& section, const std::string& ident) const {
    for (const auto& [begin, end] : Sections(section))
      for (std::size_t i = begin; i < end; ++i)
        if (lines_[i].kind == Line::Kind::Key && SameText(lines_[i].name, ident)) return i;
    return std::nullopt;
  }

  void Replace(std::size_t index, std::string text) {
    Set(lines_[index], std::move(text));
    indexed_ = false;
  }
  void Insert(std::size_t index, std::string text) {
    Line line;
    Set(line, std::move(text));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
    indexed_ = false;
  }
  void Erase(std::size_t begin, std::size_t end) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin), lines_.begin() + static_cast<std::ptrdiff_t>(end));
    indexed_ = false;
  }

  std::string Bytes() const {
    std::string out;
    for (const Line& line : lines_) out += line.text + "\r\n";
    return out;
  }

 private:
  void Add(std::string_view text) {
    lines_.emplace_back();
    Set(lines_.back(), std::string(text));
  }

  // One pass over the lines: each section name, letter case ignored, with
  // the ranges of its sections in file order.
  void Index() const {
    index_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i].kind != Line::Kind::Section) continue;
      std::size_t end = i + 1;
      while (end < lines_.size() && lines_[end].kind != Line::Kind::Section) ++end;
      index_[LowerCase(lines_[i].name)].emplace_back(i + 1, end);
      i = end - 1;
    }
    indexed_ = true;
  }

  static void Set(Line& line, std::string text) {
    line.text = std::move(text);
    line.kind = Line::Kind::Other;
    line.name.clear();
    line.value.clear();
    const std::string_view t = TrimBlanks(line.text);
    if (t.empty() || t[0] == ';') return;
    if (t[0] == '[') {
      // The name ends at the last "]", so a folder such as "[old]" in a
      // path stays part of it.
      const std::size_t close = t.rfind(']');
      line.kind = Line::Kind::Section;
      line.name = TrimBlanks(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      return;
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos || eq == 0) return;
    line.kind = Line::Kind::Key;
    line.name = TrimBlanks(t.substr(0, eq));
    line.value = TrimBlanks(t.substr(eq + 1));
  }

  std::vector<Line> lines_;
  mutable std::unordered_map<std::string, std::vector<Range>> index_;
  mutable bool indexed_ = false;
};

// What tells one version of the file from another without reading it: none
// while there is no file.
using FileStamp = std::optional<FileDetails>;

bool SameVersion(const FileStamp& a, const FileStamp& b) {
  if (!a || !b) return !a && !b;
  return a->device == b->device && a->inode == b->inode && a->size == b->size && a->modified_ns == b->modified_ns &&
         a->changed_ns == b->changed_ns;
}

std::int64_t ClockNow() {
  timespec t{};
  ::clock_gettime(CLOCK_REALTIME, &t);
  return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

// File times come from a clock that ticks coarsely: some milliseconds, or
// whole seconds on file systems whose times have no fraction. Until a
// version's time lies that far behind its reading, another change within
// the same tick could leave the stamp as it was, so its bytes are compared.
bool Settled(const FileStamp& stamp, std::int64_t readAt) {
  if (!stamp) return true;
  const std::int64_t grain = stamp->modified_ns % 1'000'000'000 == 0 ? 2'000'000'000 : 50'000'000;
  return stamp->modified_ns + grain <= readAt && stamp->changed_ns + grain <= readAt;
}

// A value as it is read: without matching quotes around it, cut to the
// length the profile routines read.
std::string ReadValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value.substr(0, kMaxValueLength));
}

}  // namespace

// One version of the file: its lines, and what tells whether the file on
// disk is still that version.
class TIniFile::Content {
 public:
  Content(std::optional<std::string> bytes, int readError, const FileStamp& stamp, std::int64_t readAt)
      : stamp_(stamp), read_at_(readAt) {
    if (bytes) {
      text = IniText(*bytes);
      bytes_ = std::move(*bytes);
    } else if (readError != ENOENT && readError != ENOTDIR) {
      // Read as empty, as the profile routines have it, but never written:
      // it would be replaced with less than it holds.
      failure = SysErrorMessage(readError);
    }
    settled_ = Settled(stamp_, read_at_);
  }

  // Whether the file on disk is this version: looked up by its stamp, and
  // by its bytes while a change could hide within the clock's tick.
  bool Holds(const std::string& fileName, const FileStamp& stamp) {
    if (!SameVersion(stamp, stamp_)) return false;
    if (settled_) return true;
    const std::int64_t now = ClockNow();
    const std::optional<std::string> bytes = ReadFileBytes(fileName);
    if (!bytes || !failure.empty() || *bytes != bytes_) return false;
    read_at_ = now;
    settled_ = Settled(stamp_, read_at_);
    return true;
  }

  // After this object wrote the file.
  void Written(std::string bytes, const FileStamp& stamp, std::int64_t writtenAt) {
    bytes_ = std::move(bytes);
    stamp_ = stamp;
    read_at_ = writtenAt;
    settled_ = Settled(stamp_, read_at_);
  }

  IniText text;
  std::string failure;  // why the file could not be read; empty when it was, or is missing

 private:
  std::string bytes_;
  FileStamp stamp_;
  std::int64_t read_at_;
  bool settled_;
};

TIniFile::TIniFile(std::string fileName) : file_name_(std::move(fileName)) {}

TIniFile::~TIniFile() = default;

TIniFile::Content& TIniFile::Current() const {
  if (in_memory_) return *content_;
  const FileStamp stamp = FindFileDetails(file_name_);
  if (content_ && content_->Holds(file_name_, stamp)) return *content_;
  const std::int64_t readAt = ClockNow();
  std::optional<std::string> bytes = ReadFileBytes(file_name_);
  const int error = bytes ? 0 : errno;
  // A change between the look and the read gives a stamp that matches no
  // longer, so the next call reads again.
  content_ = std::make_unique<Content>(std::move(bytes), error, stamp, readAt);
  return *content_;
}

template <class Edit>
void TIniFile::Change(Edit&& edit) {
  Content& content = Current();
  if (!edit(content.text)) return;
  if (in_memory_) return;
  if (!content.failure.empty()) {
    const std::string why = content.failure;
    content_.reset();
    throw EIniFileException("Unable to read " + file_name_ + ": " + why);
  }
  std::string bytes = content.text.Bytes();
  const std::int64_t writtenAt = ClockNow();
  if (!ReplaceFileBytes(file_name_, bytes)) {
    content_.reset();
    throw EIniFileException("Unable to write to " + file_name_);
  }
  content.Written(std::move(bytes), FindFileDetails(file_name_), writtenAt);
}

std::string TIniFile::ReadFailure() const { return Current().failure; }

void TIniFile::KeepChangesInMemory() {
  Current();
  in_memory_ = true;
}

bool TIniFile::ChangesInMemory() const { return in_memory_; }

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) const {
  const IniText& ini = Current().text;
  const std::optional<std::size_t> at = ini.FindKey(section, ident);
  if (!at) return def;
  return ReadValue(ini.Lines()[*at].value);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int def) const {
  return StrToIntDef(ReadString(section, ident, ""), def);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

TDateTime TIniFile::ReadDateTime(const std::string& section, const std::string& ident, TDateTime def) const {
  TDateTime value = def;
  const std::string text = ReadString(section, ident, "");
  return !text.empty() && TryStrToDateTime(text, value) ? value : def;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  Change([&](IniText& ini) {
    if (const std::optional<std::size_t> at = ini.FindKey(section, ident)) {
      ini.Replace(*at, ini.Lines()[*at].name + "=" + value);
    } else if (const auto& sections = ini.Sections(section); !sections.empty()) {
      const auto [begin, end] = sections.front();
      std::size_t insertAt = begin;
      for (std::size_t i = begin; i < end; ++i)
        if (ini.Lines()[i].kind == IniText::Line::Kind::Key) insertAt = i + 1;
      ini.Insert(insertAt, ident + "=" + value);
    } else {
      const auto& lines = ini.Lines();
      std::size_t n = lines.size();
      if (n > 0 && !TrimBlanks(lines.back().text).empty()) ini.Insert(n++, "");
      ini.Insert(n++, "[" + section + "]");
      ini.Insert(n, ident + "=" + value);
    }
    return true;
  });
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::WriteDateTime(const std::string& section, const std::string& ident, TDateTime value) {
  WriteString(section, ident, DateTimeToStr(value));
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;  // compared without regard to ASCII case; the first spelling wins
  for (const auto& line : Current().text.Lines())
    if (line.kind == IniText::Line::Kind::Section && seen.insert(LowerCase(line.name)).second)
      names.emplace_back(line.name);
  return names;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> keys;
  for (const auto& [key, value] : ReadSectionValues(section)) keys.push_back(key);
  return keys;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSectionValues(const std::string& section) const {
  const IniText& ini = Current().text;
  std::vector<std::pair<std::string, std::string>> values;
  std::unordered_set<std::string> seen;  // keys compare without regard to ASCII case; the first wins
  for (const auto& [begin, end] : ini.Sections(section)) {
    for (std::size_t i = begin; i < end; ++i) {
      const auto& line = ini.Lines()[i];
      if (line.kind == IniText::Line::Kind::Key && seen.insert(LowerCase(line.name)).second)
        values.emplace_back(line.name, ReadValue(line.value));
    }
  }
  return values;
}

// As the run-time library has it: a section exists when it holds a key.
bool TIniFile::SectionExists(const std::string& section) const {
  const IniText& ini = Current().text;
  for (const auto& [begin, end] : ini.Sections(section))
    for (std::size_t i = begin; i < end; ++i)
      if (ini.Lines()[i].kind == IniText::Line::Kind::Key) return true;
  return false;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  return Current().text.FindKey(section, ident).has_value();
}

void TIniFile::EraseSection(const std::string& section) {
  Change([&](IniText& ini) {
    const std::vector<IniText::Range> sections = ini.Sections(section);
    // From the last, so the earlier ranges stay valid; each with its header.
    for (auto it = sections.rbegin(); it != sections.rend(); ++it) ini.Erase(it->first - 1, it->second);
    return !sections.empty();
  });
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  Change([&](IniText& ini) {
    const std::vector<std::size_t> found = ini.KeyLines(section, ident);
    for (auto it = found.rbegin(); it != found.rend(); ++it) ini.Erase(*it, *it + 1);
    return !found.empty();
  });
}
