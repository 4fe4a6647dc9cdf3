#include "UiColors.h"

#include "Lumbrick.h"

QColor CodeStateColor(int CodeState) try {
  switch (CodeState) {
    case 1: return clTeal;
    case 2: return clBlue;
    case 4: return clPurple;
    default: return clRed;
  }
} catch (...) {
  VIX->Push("Function CodeStateColor");
  throw;
}
