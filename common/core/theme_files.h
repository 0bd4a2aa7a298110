#pragma once

#include <string>

// The names of a theme package's files. A theme is a folder beside the programs named after the theme.
namespace ThemeFiles {

inline const std::string kPositions = "Theme.ini";
inline const std::string kBoxPosition = "Theme2.ini";
inline const std::string kDetails = "ThemeDetails.ini";
inline const std::string kHighScores = "HighScores.ini";
inline const std::string kBackground = "bg.bmp";
inline const std::string kBoxPicture = "pS.bmp";
inline const std::string kBoxMask = "pM.bmp";
inline const std::string kHitTubeSound = "HitTube.wav";
inline const std::string kPutInContSound = "PutInCont.wav";
inline const std::string kPickupSound = "Pickup.wav";
inline const std::string kLetGoSound = "LetGo.wav";
inline const std::string kDefaultTheme = "Theme1";

// A package holds 1 to 21 objects, indices 0 to 20.
constexpr int kMaxObjects = 21;

inline std::string objectPicture(int index)
{
    return "ss" + std::to_string(index) + ".bmp";
}
inline std::string objectMask(int index)
{
    return "sm" + std::to_string(index) + ".bmp";
}
inline std::string tubePicture(int index)
{
    return "cs" + std::to_string(index) + ".bmp";
}
inline std::string tubeMask(int index)
{
    return "cm" + std::to_string(index) + ".bmp";
}

}  // namespace ThemeFiles
