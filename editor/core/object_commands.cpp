#include "object_commands.h"

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
}
