#pragma once

class Surface;
struct GameState;
struct ThemePictures;

// The frame of a running round, composed in the back buffer: the clean background, the container box, the
// objects still in play (a higher index in front), and last the current tube, the only tube shown.
void composeMainFrame(Surface& backBuffer, const Surface& blank, const GameState& state, const ThemePictures& pictures);

// The frame drawn while an object slides back: the same without any tube.
void composeSlideFrame(Surface& backBuffer, const Surface& blank, const GameState& state,
                       const ThemePictures& pictures);
