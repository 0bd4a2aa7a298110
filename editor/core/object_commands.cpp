#include "object_commands.h"

#include <algorithm>

#include "object_list.h"
#include "prompts.h"
#include "theme_files.h"
#include "workspace.h"
#include "workspace_limits.h"

bool newObject(Workspace& workspace, ObjectList& list, Prompts& prompts)
{
    if (workspace.objectCount() >= ThemeFiles::kMaxObjects) {
        prompts.message("New Object",
                        "A theme holds at most " + std::to_string(ThemeFiles::kMaxObjects) +
                            " objects; this one has them all.\r\nGive one of them a new picture instead.",
                        MessageIcon::Exclamation);
        return false;
    }
    WorkspacePictureSizes sizes = pictureSizesOf(workspace);
    sizes.objects.push_back(sizes.objects.front());
    if (const std::optional<std::string> problem = themePicturesLimitProblem(sizes.all())) {
        prompts.message("New Object",
                        "No object can be added: " + *problem + ", and neither program could load the theme.",
                        MessageIcon::Exclamation);
        return false;
    }
    workspace.objects.push_back(workspace.objects.front());
    ++list.rows;
    return true;
}

void newTheme(Workspace& workspace, ObjectList& list)
{
    trimListToFirstRow(list);
    workspace.objects.resize(1);
    list.marked = 0;
    workspace.currentObject = 0;
    workspace.themeDescription.reset();
}

bool deleteObject(Workspace& workspace, ObjectList& list, int index)
{
    const int count = workspace.objectCount();
    if (count <= 1 || index < 0 || index >= count)
        return false;
    workspace.objects.erase(workspace.objects.begin() + index);
    for (auto* positions : {&workspace.objectX, &workspace.objectY, &workspace.tubeX, &workspace.tubeY})
        std::copy(positions->begin() + index + 1, positions->begin() + count, positions->begin() + index);
    list.rows = workspace.objectCount();
    const int current = std::max(index - 1, 0);
    workspace.currentObject = static_cast<std::int16_t>(current);
    list.marked = current;
    return true;
}
