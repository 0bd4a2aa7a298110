#include "ask_for_theme.h"

#include "prompts.h"
#include "theme_locations.h"

std::optional<std::string> askForTheme(Prompts& prompts, const ThemeLocations& locations,
                                       const std::string& currentTheme)
{
    if (locations.listsOnlyProgramFolder())
        return prompts.chooseTheme(locations.programFolder(), currentTheme);
    return prompts.chooseThemeAmong(locations, currentTheme);
}
