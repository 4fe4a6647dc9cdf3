#include "CodeOptions.h"

TCodeOptions CodeOptions;
