#include <gtest/gtest.h>

#include "build_mask.h"

namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kGreen = rgb(0, 128, 0);

// A 5 x 3 picture as rows of letters: 'k' the key colour, 'r' red, 'g' green, 'w' white.
Surface picture(const std::vector<std::string>& rows, Rgb key)
{
    Surface surface(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            surface.setPixel(x, y, c == 'k' ? key : c == 'r' ? kRed : c == 'g' ? kGreen : kWhite);
        }
    return surface;
}

}  // namespace

TEST(BuildMask, KeyColourBecomesWhiteAndTransparentEverywhereElseIsShape)
{
    struct Case {
        const char* name;
        Rgb key;
        std::vector<std::string> source;
        std::vector<std::string> picture;  // expected picture output
        std::vector<std::string> mask;     // expected mask: 'w' white, 'b' black
    };
    const Case cases[] = {
        {"the key inside the figure makes holes",
         kGreen,
         {"kkrkk", "krkrk", "kkrkk"},
         {"wwrww", "wrwrw", "wwrww"},
         {"wwbww", "wbwbw", "wwbww"}},
        {"only the corner has the key colour",
         kGreen,
         {"krrrr", "rrwrr", "rrrrr"},
         {"wrrrr", "rrwrr", "rrrrr"},
         {"wbbbb", "bbbbb", "bbbbb"}},
        {"a white key leaves the picture as it was",
         kWhite,
         {"wwrww", "wgwgw", "wwrww"},
         {"wwrww", "wgwgw", "wwrww"},
         {"wwbww", "wbwbw", "wwbww"}},
    };
    for (const Case& c : cases) {
        const Surface source = picture(c.source, c.key);
        Surface pictureOut;
        Surface maskOut(1, 1, kRed);
        BuildMask(pictureOut, maskOut, source, c.key);
        EXPECT_EQ(pictureOut, picture(c.picture, c.key)) << c.name;
        std::vector<std::string> mask;
        for (int y = 0; y < maskOut.height(); ++y) {
            mask.emplace_back();
            for (int x = 0; x < maskOut.width(); ++x)
                mask.back() += maskOut.pixel(x, y) == kBlack ? 'b' : maskOut.pixel(x, y) == kWhite ? 'w' : '?';
        }
        EXPECT_EQ(mask, c.mask) << c.name;
    }
}
