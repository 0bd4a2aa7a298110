#include "frame_composer.h"

#include "draw_masked.h"
#include "game_state.h"
#include "surface.h"

namespace {

void composeWithoutTube(Surface& backBuffer, const Surface& blank, const GameState& state,
                        const ThemePictures& pictures)
{
    BitBlt(backBuffer, 0, 0, backBuffer.width(), backBuffer.height(), blank, 0, 0, RasterOp::SrcCopy);
    for (std::size_t i = 0; i < pictures.PicPlainSprite.size() && i < state.BoxX.size(); ++i)
        DrawMasked(backBuffer, state.BoxX[i], state.BoxY[i], pictures.PicPlainSprite[i], pictures.PicPlainMask[i]);
    for (int i = 0; i <= state.LastObj; ++i) {
        if (state.ObjActive[i])
            DrawMasked(backBuffer, state.ObjX[i], state.ObjY[i], pictures.PicSprite[i], pictures.PicMask[i]);
    }
}

}  // namespace

void composeMainFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures)
{
    composeWithoutTube(backBuffer, blank, state, pictures);
    const int tube = state.CurCont;
    if (tube >= 0 && tube <= state.LastObj && state.ContActive[tube])
        DrawMasked(backBuffer, state.ContX[tube], state.ContY[tube], pictures.PicCont[tube],
                   pictures.PicContMask[tube]);
}

void composeSlideFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures)
{
    composeWithoutTube(backBuffer, blank, state, pictures);
}
