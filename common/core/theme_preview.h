#pragma once

#include <QImage>
#include <optional>
#include <string>

class Surface;

// The sizes the chooser shows a theme's first frame at: a thumbnail beside its name, and a larger picture of the
// theme selected.
constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 120;
constexpr int kPreviewPictureWidth = 480;
constexpr int kPreviewPictureHeight = 360;

// What the chooser tells of a theme without loading it: the first frame of a round at both sizes and what its
// files say of it; or, for a theme that cannot be loaded, the reason the reader gives.
struct ThemePreview {
    // Both null when there is no frame to show: the theme is damaged, or has no objects and so no background.
    QImage thumbnail;
    QImage picture;
    int objectCount = 0;
    bool hasDetails = false;
    std::string description;
    std::string dateLine;
    // The details file ends inside a quoted text, so the description may not be all there was.
    bool detailsCutShort = false;
    std::optional<std::string> damage;
};

// Reads theme `name` from `folder` as the programs do, within the readers' limits, and composes the first frame
// of a round of it. Takes as much memory as a load of the theme, and gives it back before it returns.
ThemePreview makeThemePreview(const std::string& folder, const std::string& name);

// The frame scaled to fit width x height, keeping its proportions, smoothly; a 32-bit RGB image.
QImage fitWithin(const Surface& frame, int width, int height);
