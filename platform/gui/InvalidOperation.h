// Raised when a window is asked for something its state forbids.
#pragma once

#include "Exceptions.h"

HOST_EXCEPTION_CLASS(EInvalidOperation, Exception);
