#include "Screen.h"

namespace {
TScreen fallback;
}
TScreen* Screen = &fallback;
