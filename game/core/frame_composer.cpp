#include "frame_composer.h"

#include "game_state.h"
#include "round_frame.h"
#include "surface.h"

namespace {

// The boxes and the objects still in play, as the round's state has them now.
RoundFrameLayers layersWithoutTube(const GameState& state, const ThemePictures& pictures)
{
    RoundFrameLayers layers;
    for (std::size_t i = 0; i < pictures.boxes.size() && i < state.boxX.size(); ++i)
        layers.boxes.push_back({state.boxX[i], state.boxY[i], pictures.boxes[i], pictures.boxMasks[i]});
    for (int i = 0; i <= state.lastObject; ++i) {
        if (state.inPlay[i])
            layers.objects.push_back(
                {state.objectX[i], state.objectY[i], pictures.objects[i], pictures.objectMasks[i]});
    }
    return layers;
}

void compose(Surface& backBuffer, const Surface& blank, const RoundFrameLayers& layers)
{
    blit(backBuffer, 0, 0, backBuffer.width(), backBuffer.height(), blank, 0, 0, RasterOp::SrcCopy);
    drawRoundFrameLayers(backBuffer, layers);
}

}  // namespace

void composeMainFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures)
{
    RoundFrameLayers layers = layersWithoutTube(state, pictures);
    const int tube = state.currentTube;
    if (tube >= 0 && tube <= state.lastObject && state.tubeInPlay[tube])
        layers.tube.emplace(
            MaskedLayer{state.tubeX[tube], state.tubeY[tube], pictures.tubes[tube], pictures.tubeMasks[tube]});
    compose(backBuffer, blank, layers);
}

void composeSlideFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures)
{
    compose(backBuffer, blank, layersWithoutTube(state, pictures));
}
