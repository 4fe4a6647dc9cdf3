#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "FileNames.h"
#include "StringList.h"
#include "SysUtils.h"

std::vector<std::string> ReadTextFileLines(const std::string& path, std::source_location where) {
  auto fail = [&](int code) {
    return EInOutError(Format("I/O error %d", {code}), RaiseAddress::At(where));
  };
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(FsName(path).c_str(), "rb"), &std::fclose);
  if (!file) throw fail(errno);
  std::string bytes;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(file.get())) throw fail(errno ? errno : EIO);
  TStringList lines;
  lines.SetText(bytes);
  std::vector<std::string> result;
  result.reserve(static_cast<std::size_t>(lines.Count()));
  for (int i = 0; i < lines.Count(); ++i) result.push_back(lines.Strings(i));
  return result;
}
