#include "theme_builder.h"

#include "box_painter.h"
#include "default_tube.h"
#include "object_painter.h"
#include "qimage_convert.h"

namespace {

ThemeObject buildObject(const PlannedObject& planned)
{
    ThemeObject object;
    object.picture = fromQImage(paintObject(planned.shape, planned.width, planned.height));
    object.mask = maskOfPicture(object.picture);
    DefaultTube tube = makeDefaultTube(planned.width, planned.height);
    const int tubeHeight = tube.picture.height();
    object.tube = std::move(tube.picture);
    object.tubeMask = std::move(tube.mask);

    // The object starts where it comes back to after every slide: on the floor of its tube, against the
    // left wall.
    object.tubeX = static_cast<std::int16_t>(planned.tubeLeft);
    object.tubeY = static_cast<std::int16_t>(planned.tubeBase - tubeHeight);
    object.x = static_cast<std::int16_t>(object.tubeX + kDefaultTubeWall);
    object.y = static_cast<std::int16_t>(object.tubeY + tubeHeight - kDefaultTubeWall - planned.height);
    return object;
}

}  // namespace

Surface maskOfPicture(const Surface& picture)
{
    Surface mask(picture.width(), picture.height(), kWhite);
    for (int y = 0; y < picture.height(); ++y) {
        const Rgb* source = picture.row(y);
        Rgb* target = mask.row(y);
        for (int x = 0; x < picture.width(); ++x)
            target[x] = source[x] == kWhite ? kWhite : kBlack;
    }
    return mask;
}

ThemePackage buildThemePackage(const ThemePlan& plan)
{
    ThemePackage package;
    package.background = fromQImage(plan.background);
    for (const PlannedObject& planned : plan.objects)
        package.objects.push_back(buildObject(planned));
    package.boxX = static_cast<std::int16_t>(plan.boxX);
    package.boxY = static_cast<std::int16_t>(plan.boxY);
    package.boxPicture = fromQImage(paintBox(plan.boxStyle, plan.boxWidth, plan.boxHeight));
    package.boxMask = maskOfPicture(package.boxPicture);
    package.hasDetails = true;
    package.description = plan.description;
    package.dateLine = plan.dateLine;
    return package;
}
