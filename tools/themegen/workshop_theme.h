#pragma once

#include "theme_plan.h"

// "Workshop", the harder theme: twelve pieces packed close on a shelf and a workbench, and the tool box up
// on a high shelf in the far corner.
ThemePlan workshopThemePlan();
