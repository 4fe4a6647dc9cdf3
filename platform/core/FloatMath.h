// Square root and cosine as the run-time library's: an argument outside the
// function's domain raises EInvalidOp "Invalid floating point operation", as
// the floating-point unit of the original platform does, instead of giving
// a NaN.
#pragma once

#include "Exceptions.h"

// For x < 0 or a NaN.
double Sqrt(double x, HOST_RAISE_SITE);
// For an infinite x or a NaN.
double Cos(double x, HOST_RAISE_SITE);
