#pragma once

#include <QImage>

// The pictures that belong to the game's window rather than to a theme, drawn by the program itself.

// The 320 x 240 title picture the canvas shows until a round draws: the program's name on light blue.
QImage drawTitlePicture();

// The high-score panel's ground: a calm mid-tone that dark blue, light cyan and white text all read on.
QImage drawHighScoreBackground(int width, int height);

// The two image buttons: the About button and the theme chooser's button.
QImage drawAboutButtonPicture();
QImage drawThemeButtonPicture();

// The About window's logo: a ball lifted out of its tube, on a round target.
QImage drawAboutLogo(int side);
