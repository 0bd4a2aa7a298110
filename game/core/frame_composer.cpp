#include "frame_composer.h"

#include "draw_masked.h"
#include "game_state.h"
#include "surface.h"

namespace {

void composeWithoutTube(Surface& backBuffer, const Surface& blank, const GameState& state,
                        const ThemePictures& pictures)
{
    blit(backBuffer, 0, 0, backBuffer.width(), backBuffer.height(), blank, 0, 0, RasterOp::SrcCopy);
    for (std::size_t i = 0; i < pictures.boxes.size() && i < state.boxX.size(); ++i)
        drawMasked(backBuffer, state.boxX[i], state.boxY[i], pictures.boxes[i], pictures.boxMasks[i]);
    for (int i = 0; i <= state.lastObject; ++i) {
        if (state.inPlay[i])
            drawMasked(backBuffer, state.objectX[i], state.objectY[i], pictures.objects[i], pictures.objectMasks[i]);
    }
}

}  // namespace

void composeMainFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures)
{
    composeWithoutTube(backBuffer, blank, state, pictures);
    const int tube = state.currentTube;
    if (tube >= 0 && tube <= state.lastObject && state.tubeInPlay[tube])
        drawMasked(backBuffer, state.tubeX[tube], state.tubeY[tube], pictures.tubes[tube], pictures.tubeMasks[tube]);
}

void composeSlideFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures)
{
    composeWithoutTube(backBuffer, blank, state, pictures);
}
