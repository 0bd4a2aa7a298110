#include <gtest/gtest.h>

#include "hit_mask.h"
#include "surface.h"

TEST(HitMask, OnlyExactBlackInsideTheMask)
{
    Surface mask(4, 4, kWhite);
    mask.setPixel(1, 1, kBlack);
    mask.setPixel(2, 2, 0x010101);
    EXPECT_TRUE(HitMask(11, 21, 10, 20, mask));
    // A near-black pixel, a white one, and points left of, right of and above the corner.
    const std::pair<int, int> notOnBlack[] = {{12, 22}, {10, 20}, {9, 21}, {14, 21}, {11, 19}};
    for (auto [x, y] : notOnBlack)
        EXPECT_FALSE(HitMask(x, y, 10, 20, mask)) << x << ',' << y;
}
