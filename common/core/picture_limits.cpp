#include "picture_limits.h"

#include <algorithm>

#include "theme_package.h"

std::string pictureBudgetText()
{
    return std::to_string(kPictureMemoryBudget / (1024 * 1024)) + " MiB";
}

std::optional<std::string> pictureLimitProblem(const PictureSize& size)
{
    const std::string dimensions = std::to_string(size.width) + " x " + std::to_string(size.height) + " pixels";
    if (size.width > kMaxPictureSide || size.height > kMaxPictureSide)
        return "a picture of " + dimensions + " is larger than the " + std::to_string(kMaxPictureSide) +
               " pixels a side a theme's picture may have";
    if (size.bytes() > kPictureMemoryBudget)
        return "a picture of " + dimensions + " would take more than the " + pictureBudgetText() +
               " of memory a theme's pictures may take";
    return std::nullopt;
}

std::optional<std::string> themePicturesLimitProblem(const std::vector<PictureSize>& sizes)
{
    std::int64_t total = 0;
    for (const PictureSize& size : sizes) {
        if (std::optional<std::string> problem = pictureLimitProblem(size))
            return problem;
        total += size.bytes();
        if (total > kPictureMemoryBudget)
            return "the theme's pictures would take more than the " + pictureBudgetText() +
                   " of memory a theme's pictures may take together";
    }
    return std::nullopt;
}

std::vector<PictureSize> pictureSizesOf(const ThemePackage& package)
{
    std::vector<PictureSize> sizes;
    const auto add = [&](const Surface& picture) { sizes.push_back({picture.width(), picture.height()}); };
    for (const ThemeObject& object : package.objects) {
        for (const Surface* picture : {&object.picture, &object.mask, &object.tube, &object.tubeMask})
            add(*picture);
    }
    if (package.background)
        add(*package.background);
    add(package.boxPicture);
    add(package.boxMask);
    return sizes;
}
