#include "theme_export.h"

#include "file_lookup.h"
#include "file_system.h"
#include "theme_archive.h"
#include "theme_files.h"
#include "theme_locations.h"
#include "theme_reader.h"

std::optional<std::string> exportTheme(const ThemeLocations& locations, const std::string& name,
                                       const std::string& archivePath)
{
    const std::optional<ThemeEntry> theme = locations.findTheme(name);
    if (!theme)
        return missingTheme(name).message;
    const ThemeReadResult read = readThemeFolder(theme->folder, name);
    if (!read)
        return read.error().message;
    const ThemePackage& package = read.value();
    std::vector<std::string> files = {ThemeFiles::kPositions, ThemeFiles::kBoxPosition};
    if (package.hasDetails)
        files.push_back(ThemeFiles::kDetails);
    for (int i = 0; i < static_cast<int>(package.objects.size()); ++i)
        files.insert(files.end(), {ThemeFiles::objectPicture(i), ThemeFiles::objectMask(i), ThemeFiles::tubePicture(i),
                                   ThemeFiles::tubeMask(i)});
    if (package.background)
        files.push_back(ThemeFiles::kBackground);
    files.insert(files.end(), {ThemeFiles::kBoxPicture, ThemeFiles::kBoxMask});
    // The sound cues go with the theme when it has them; without them the game plays the desktop's own sounds.
    for (const std::string& sound :
         {ThemeFiles::kHitTubeSound, ThemeFiles::kPutInContSound, ThemeFiles::kPickupSound, ThemeFiles::kLetGoSound})
        if (isFile(findInFolder(theme->folder, sound)))
            files.push_back(sound);
    return writeThemeArchive(archivePath, name, theme->folder, files);
}
