#include "save_theme.h"

#include "prompts.h"
#include "theme_reader.h"
#include "theme_writer.h"
#include "workspace.h"

ThemePackage packageOf(const Workspace& workspace, const ThemeDescription& description)
{
    ThemePackage package;
    for (int i = 0; i < workspace.objectCount(); ++i) {
        const ObjectPictures& pictures = workspace.objects[static_cast<std::size_t>(i)];
        package.objects.push_back({workspace.objectX[i], workspace.objectY[i], workspace.tubeX[i], workspace.tubeY[i],
                                   pictures.picture, pictures.mask, pictures.tube, pictures.tubeMask});
    }
    package.background = workspace.background;
    package.boxX = workspace.boxX;
    package.boxY = workspace.boxY;
    package.boxPicture = workspace.box;
    package.boxMask = workspace.boxMask;
    package.hasDetails = true;
    package.description = description.description;
    package.dateLine = description.dateLine;
    return package;
}

std::vector<std::string> saveTheme(const std::string& themesFolder, const Workspace& workspace,
                                   const ThemeDescription& description)
{
    return writeThemePackage(themeFolder(themesFolder, description.name), packageOf(workspace, description));
}
