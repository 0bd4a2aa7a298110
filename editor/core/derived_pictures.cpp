#include "derived_pictures.h"

#include "build_mask.h"
#include "default_tube.h"
#include "workspace.h"

namespace {

// The top-left pixel names the picture's background colour. An empty picture has none, and nothing to key.
Surface maskKeyedOnCorner(const Surface& picture)
{
    Surface unusedPicture;
    Surface mask;
    buildMask(unusedPicture, mask, picture, picture.pixel(0, 0).value_or(kWhite));
    return mask;
}

}  // namespace

void drawDefaultTube(Workspace& workspace, int index)
{
    ObjectPictures& object = workspace.objects[static_cast<std::size_t>(index)];
    DefaultTube tube = makeDefaultTube(object.picture.width(), object.picture.height());
    object.tube = std::move(tube.picture);
    object.tubeMask = std::move(tube.mask);
}

void deriveObjectMask(Workspace& workspace, int index)
{
    ObjectPictures& object = workspace.objects[static_cast<std::size_t>(index)];
    object.mask = maskKeyedOnCorner(object.picture);
}

void deriveBoxMask(Workspace& workspace)
{
    workspace.boxMask = maskKeyedOnCorner(workspace.box);
}
