#include "change_pictures.h"

#include "ask_for_picture.h"
#include "derived_pictures.h"
#include "workspace.h"
#include "workspace_limits.h"

bool changeObjectPicture(Workspace& workspace, int index, Prompts& prompts)
{
    std::optional<Surface> picture = askForPicture(prompts, [&](const PictureSize& size) {
        WorkspacePictureSizes sizes = pictureSizesOf(workspace);
        sizes.setObjectPicture(index, size);
        return themePicturesLimitProblem(sizes.all());
    });
    if (!picture)
        return false;
    workspace.objects[static_cast<std::size_t>(index)].picture = std::move(*picture);
    drawDefaultTube(workspace, index);
    deriveObjectMask(workspace, index);
    return true;
}

bool changeBackground(Workspace& workspace, Prompts& prompts)
{
    std::optional<Surface> picture = askForPicture(prompts, [&](const PictureSize& size) {
        WorkspacePictureSizes sizes = pictureSizesOf(workspace);
        sizes.background = size;
        return themePicturesLimitProblem(sizes.all());
    });
    if (!picture)
        return false;
    workspace.background = std::move(*picture);
    workspace.canvasWidth = workspace.background.width();
    workspace.canvasHeight = workspace.background.height();
    return true;
}

bool changeContainer(Workspace& workspace, Prompts& prompts)
{
    std::optional<Surface> picture = askForPicture(prompts, [&](const PictureSize& size) {
        WorkspacePictureSizes sizes = pictureSizesOf(workspace);
        sizes.box = size;
        sizes.boxMask = size;
        return themePicturesLimitProblem(sizes.all());
    });
    if (!picture)
        return false;
    workspace.box = std::move(*picture);
    deriveBoxMask(workspace);
    return true;
}
