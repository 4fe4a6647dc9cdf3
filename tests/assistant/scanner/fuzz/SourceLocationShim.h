// Forced into every file of the fuzz build: Debian's clang 14 lacks the
// builtin that libstdc++ 12 needs for std::source_location, so the header
// defines nothing there. The clang builtins below give the same call-site
// values; with a newer clang this header stands aside.
#pragma once

#if defined(__clang__) && !__has_builtin(__builtin_source_location)
#include <cstdint>

namespace std {
struct source_location {
  static constexpr source_location current(const char* File = __builtin_FILE(), std::uint_least32_t Line = __builtin_LINE(),
                                           std::uint_least32_t Column = __builtin_COLUMN(),
                                           const char* Function = __builtin_FUNCTION()) noexcept {
    source_location s;
    s.file_ = File;
    s.line_ = Line;
    s.column_ = Column;
    s.function_ = Function;
    return s;
  }
  constexpr const char* file_name() const noexcept { return file_; }
  constexpr const char* function_name() const noexcept { return function_; }
  constexpr std::uint_least32_t line() const noexcept { return line_; }
  constexpr std::uint_least32_t column() const noexcept { return column_; }

 private:
  const char* file_ = "";
  const char* function_ = "";
  std::uint_least32_t line_ = 0;
  std::uint_least32_t column_ = 0;
};
}  // namespace std
#endif
