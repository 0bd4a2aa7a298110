#include <gtest/gtest.h>

#include "build_mask.h"
#include "test_pictures.h"

namespace {

// A picture as rows of letters: 'k' the key colour, 'r' red, 'g' green, 'w' white, 'b' black.
Surface picture(const std::vector<std::string>& rows, Rgb key)
{
    Surface surface(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
    const std::string letters = "krgwb";
    const Rgb colours[] = {key, rgb(255, 0, 0), rgb(0, 128, 0), kWhite, kBlack};
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            surface.setPixel(x, y,
                             colours[letters.find(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])]);
    return surface;
}

}  // namespace

TEST(buildMask, KeyColourBecomesWhiteAndTransparentEverywhereElseIsShape)
{
    struct Case {
        Rgb key;
        std::vector<std::string> source, picture, mask;
    };
    const Case cases[] = {
        // The key inside the figure makes holes; only the corner of the key colour; a white key.
        {rgb(0, 128, 0), {"kkrkk", "krkrk", "kkrkk"}, {"wwrww", "wrwrw", "wwrww"}, {"wwbww", "wbwbw", "wwbww"}},
        {rgb(0, 128, 0), {"krrrr", "rrwrr", "rrrrr"}, {"wrrrr", "rrwrr", "rrrrr"}, {"wbbbb", "bbbbb", "bbbbb"}},
        {kWhite, {"wwrww", "wgwgw", "wwrww"}, {"wwrww", "wgwgw", "wwrww"}, {"wwbww", "wbwbw", "wwbww"}},
    };
    for (const Case& c : cases) {
        Surface pictureOut;
        Surface maskOut(1, 3, kWhite);
        buildMask(pictureOut, maskOut, picture(c.source, c.key), c.key);
        EXPECT_EQ(pictureOut, picture(c.picture, c.key)) << c.source[0];
        EXPECT_EQ(maskOut, picture(c.mask, c.key)) << c.source[0];
    }
}
