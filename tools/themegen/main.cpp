// themegen: draws the themes shipped with the game into the program folder. Run by the build after every
// change to this program; the output is the same, byte for byte, on every run.

#include <iostream>

#include "meadow_theme.h"
#include "theme_builder.h"
#include "theme_check.h"
#include "theme_output.h"
#include "theme_reader.h"
#include "workshop_theme.h"

namespace {

bool report(const std::string& themeName, const std::vector<std::string>& problems)
{
    for (const std::string& problem : problems)
        std::cerr << "themegen: " << themeName << ": " << problem << "\n";
    return problems.empty();
}

// Checks the theme before anything is written, writes it, then reads it back as the game will.
bool makeTheme(const std::string& programFolder, const ThemePlan& plan)
{
    const ThemePackage package = buildThemePackage(plan);
    if (!report(plan.name, checkShippedTheme(package)))
        return false;
    if (!report(plan.name, writeShippedTheme(programFolder, plan.name, package)))
        return false;
    const ThemeReadResult readBack = readThemePackage(programFolder, plan.name);
    if (!readBack)
        return report(plan.name, {"cannot be read back: " + readBack.error().message});
    return report(plan.name, compareWithWritten(package, readBack.value()));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: themegen <programFolder>\n";
        return 2;
    }
    const std::string programFolder = argv[1];
    const bool meadow = makeTheme(programFolder, meadowThemePlan());
    const bool workshop = makeTheme(programFolder, workshopThemePlan());
    return meadow && workshop ? 0 : 1;
}
