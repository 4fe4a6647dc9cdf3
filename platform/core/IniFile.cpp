#include "IniFile.h"

#include <cerrno>
#include <optional>
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

// The file as lines, each classified once per call.
class IniText {
 public:
  struct Line {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    std::string text;   // as in the file, without its line break
    std::string name;   // Section: its name; Key: the key
    std::string value;  // Key: the value, blanks trimmed
  };

  // A missing file reads as empty. So does one that exists but cannot be
  // read, as the profile routines have it, but that one is never written:
  // it would be replaced with less than it holds.
  explicit IniText(const std::string& fileName) {
    const std::optional<std::string> bytes = ReadFileBytes(fileName);
    if (!bytes) {
      writable_ = errno == ENOENT || errno == ENOTDIR;
      return;
    }
    const std::string& b = *bytes;
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
  bool Writable() const { return writable_; }

  // Every line of the sections with this name (a name may repeat; the first
  // occurrence of a key wins), as [begin, end) ranges after the header.
  std::vector<std::pair<std::size_t, std::size_t>> Sections(const std::string& section) const {
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i].kind != Line::Kind::Section || !SameText(lines_[i].name, section)) continue;
      std::size_t end = i + 1;
      while (end < lines_.size() && lines_[end].kind != Line::Kind::Section) ++end;
      ranges.emplace_back(i + 1, end);
      i = end - 1;
    }
    return ranges;
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
    const std::vector<std::size_t> found = KeyLines(section, ident);
    return found.empty() ? std::nullopt : std::optional<std::size_t>(found.front());
  }

  void Replace(std::size_t index, std::string text) { Set(lines_[index], std::move(text)); }
  void Insert(std::size_t index, std::string text) {
    Line line;
    Set(line, std::move(text));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
  }
  void Erase(std::size_t begin, std::size_t end) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin), lines_.begin() + static_cast<std::ptrdiff_t>(end));
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
  bool writable_ = true;
};

// A value as it is read: without matching quotes around it, cut to the
// length the profile routines read.
std::string ReadValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value.substr(0, kMaxValueLength));
}

void Save(const std::string& fileName, const IniText& ini) {
  if (!ini.Writable() || !ReplaceFileBytes(fileName, ini.Bytes()))
    throw EIniFileException("Unable to write to " + fileName);
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : file_name_(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) const {
  const IniText ini(file_name_);
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
  // Re-read: another program may have changed the file since the last call.
  IniText ini(file_name_);
  if (const std::optional<std::size_t> at = ini.FindKey(section, ident)) {
    ini.Replace(*at, ini.Lines()[*at].name + "=" + value);
  } else if (const auto sections = ini.Sections(section); !sections.empty()) {
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
  Save(file_name_, ini);
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
  const IniText ini(file_name_);
  std::vector<std::string> names;
  for (const auto& line : ini.Lines()) {
    if (line.kind != IniText::Line::Kind::Section) continue;
    bool seen = false;
    for (const std::string& n : names) seen = seen || SameText(n, line.name);
    if (!seen) names.emplace_back(line.name);
  }
  return names;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  const IniText ini(file_name_);
  std::vector<std::string> keys;
  for (const auto& [begin, end] : ini.Sections(section)) {
    for (std::size_t i = begin; i < end; ++i) {
      const auto& line = ini.Lines()[i];
      if (line.kind != IniText::Line::Kind::Key) continue;
      bool seen = false;
      for (const std::string& k : keys) seen = seen || SameText(k, line.name);
      if (!seen) keys.emplace_back(line.name);
    }
  }
  return keys;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSectionValues(const std::string& section) const {
  const IniText ini(file_name_);
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
bool TIniFile::SectionExists(const std::string& section) const { return !ReadSection(section).empty(); }

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  return IniText(file_name_).FindKey(section, ident).has_value();
}

void TIniFile::EraseSection(const std::string& section) {
  IniText ini(file_name_);
  const auto sections = ini.Sections(section);
  if (sections.empty()) return;
  // From the last, so the earlier ranges stay valid; each with its header.
  for (auto it = sections.rbegin(); it != sections.rend(); ++it) ini.Erase(it->first - 1, it->second);
  Save(file_name_, ini);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  IniText ini(file_name_);
  const std::vector<std::size_t> found = ini.KeyLines(section, ident);
  if (found.empty()) return;
  for (auto it = found.rbegin(); it != found.rend(); ++it) ini.Erase(*it, *it + 1);
  Save(file_name_, ini);
}
