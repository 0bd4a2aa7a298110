#pragma once

#include <array>
#include <vector>

#include "picture_limits.h"

struct Workspace;

// The sizes of every picture a save of the workspace would write, so that a change can be tried against the
// readers' limits before it is made.
struct WorkspacePictureSizes {
    // Per object: its picture, its mask, its tube and the tube's mask.
    std::vector<std::array<PictureSize, 4>> objects;
    PictureSize background;
    PictureSize box;
    PictureSize boxMask;

    // Object `index` as it would be with a new picture of this size: the mask takes its size and the tube is the
    // default tube drawn for it.
    void setObjectPicture(int index, PictureSize picture);
    std::vector<PictureSize> all() const;
};

WorkspacePictureSizes pictureSizesOf(const Workspace& workspace);
