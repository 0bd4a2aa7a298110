#pragma once

#include "theme_plan.h"

// "Theme1", the default theme: six toys in a row of tubes on a meadow, and a basket on the hill beside them.
ThemePlan meadowThemePlan();
