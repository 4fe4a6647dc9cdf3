// How often a screen shows a new picture: painting or looking for events more
// often than this costs without showing anything more.
#pragma once

#include <chrono>

inline constexpr std::chrono::milliseconds ScreenFrame{16};
