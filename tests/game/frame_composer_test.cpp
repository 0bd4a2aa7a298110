#include <gtest/gtest.h>

#include "frame_composer.h"
#include "game_state.h"
#include "surface.h"

// Two 2 x 2 objects R and G overlapping in one column, each with a flat 4 x 1 tube T: tube 1 crosses the
// objects' bottom row, tube 0 lies below them. The box B's top-left pixel is clear in its mask. Every colour is
// its own letter, so that a failure shows the whole frame; a pixel the frame leaves unpainted shows as a zero.
TEST(Frames, HigherIndexInFrontOnlyTheCurrentTubeOverAllNoTubeWhileSlidingAndNothingOfADeliveredObject)
{
    ThemePictures pictures;
    for (Rgb colour : {'R', 'G'}) {
        pictures.objects.emplace_back(2, 2, colour);
        pictures.objectMasks.emplace_back(2, 2, kBlack);
        pictures.tubes.emplace_back(4, 1, 'T');
        pictures.tubeMasks.emplace_back(4, 1, kBlack);
    }
    pictures.boxes = {Surface(2, 2, 'B')};
    pictures.boxMasks = {Surface(2, 2, kBlack)};
    pictures.boxes[0].setPixel(0, 0, kWhite);
    pictures.boxMasks[0].setPixel(0, 0, kWhite);
    const std::tuple<std::int16_t, bool, bool, const char*> tubeDeliveredSlidingFrame[] = {
        {1, false, false, ".......\nRGG....\nTTTT...\n......B\n.....BB\n"},
        {0, false, false, ".......\nRGG....\nRGG....\n......B\nTTTT.BB\n"},
        {1, true, false, ".......\nRR.....\nRR.....\n......B\n.....BB\n"},
        {1, false, true, ".......\nRGG....\nRGG....\n......B\n.....BB\n"},
    };
    for (const auto& [tube, delivered, sliding, expected] : tubeDeliveredSlidingFrame) {
        // lastObject, objectX, objectY, tubeX, tubeY, inPlay, tubeInPlay, boxX, boxY, currentObject, currentTube
        const GameState state{1,   {0, 1}, {1, 1}, {0, 0}, {4, 2}, {true, !delivered}, {true, !delivered},
                              {5}, {3},    0,      tube};
        Surface frame(7, 5, kBlack);
        (sliding ? composeSlideFrame : composeMainFrame)(frame, Surface(7, 5, '.'), state, pictures);
        std::string text;
        for (int y = 0; y < frame.height(); ++y)
            text += std::string(frame.row(y), frame.row(y) + frame.width()) + '\n';
        EXPECT_EQ(text, expected);
    }
}
