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
    BuildMask(unusedPicture, mask, picture, picture.pixel(0, 0).value_or(kWhite));
    return mask;
}

}  // namespace

void MakeDefaultTube(Workspace& workspace, int index)
{
    ObjectPictures& object = workspace.objects[static_cast<std::size_t>(index)];
    DefaultTube tube = makeDefaultTube(object.imgSprS.width(), object.imgSprS.height());
    object.ImgContS = std::move(tube.picture);
    object.imgContM = std::move(tube.mask);
}

void MakeObjectMask(Workspace& workspace, int index)
{
    ObjectPictures& object = workspace.objects[static_cast<std::size_t>(index)];
    object.imgSprM = maskKeyedOnCorner(object.imgSprS);
}

void MakeBoxMask(Workspace& workspace)
{
    workspace.picPlainM = maskKeyedOnCorner(workspace.PicPlainS);
}
