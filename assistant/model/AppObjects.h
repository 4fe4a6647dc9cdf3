// Unit AppObjects: units, unit lists, applications and the current one.
#pragma once

#include "Appli.h"
#include "AppliList.h"
#include "Unit.h"
#include "UnitList.h"
