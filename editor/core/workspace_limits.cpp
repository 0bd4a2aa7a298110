#include "workspace_limits.h"

#include "default_tube.h"
#include "workspace.h"

namespace {

PictureSize sizeOf(const Surface& picture)
{
    return {picture.width(), picture.height()};
}

}  // namespace

void WorkspacePictureSizes::setObjectPicture(int index, PictureSize picture)
{
    // A picture within the side limit has a tube size that fits an int; the sum below is checked in 64 bits.
    const PictureSize tube{defaultTubeWidth(static_cast<int>(picture.width)),
                           defaultTubeHeight(static_cast<int>(picture.height))};
    objects[static_cast<std::size_t>(index)] = {picture, picture, tube, tube};
}

std::vector<PictureSize> WorkspacePictureSizes::all() const
{
    std::vector<PictureSize> sizes;
    for (const std::array<PictureSize, 4>& object : objects)
        sizes.insert(sizes.end(), object.begin(), object.end());
    sizes.insert(sizes.end(), {background, box, boxMask});
    return sizes;
}

WorkspacePictureSizes pictureSizesOf(const Workspace& workspace)
{
    WorkspacePictureSizes sizes;
    for (const ObjectPictures& object : workspace.objects)
        sizes.objects.push_back(
            {sizeOf(object.picture), sizeOf(object.mask), sizeOf(object.tube), sizeOf(object.tubeMask)});
    sizes.background = sizeOf(workspace.background);
    sizes.box = sizeOf(workspace.box);
    sizes.boxMask = sizeOf(workspace.boxMask);
    return sizes;
}
