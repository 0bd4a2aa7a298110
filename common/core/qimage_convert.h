#pragma once

class QImage;
class Surface;

// The surface as a 32-bit RGB image, for showing it and for writing picture files.
QImage toQImage(const Surface& surface);

// The same into an image that is kept from frame to frame: it is reallocated only when its size or format
// does not fit, so showing a frame costs one pass over its pixels and no allocation.
void copyIntoImage(const Surface& surface, QImage& image);

// Any image as a surface of the same size. Alpha is ignored, as a bitmap blitted to a device context ignores
// it; callers that want transparency honoured lay the image on a background first (see layOnWhite).
Surface fromQImage(const QImage& image);

// The image with its transparent parts laid on white, as a picture box with a white background shows it.
QImage layOnWhite(const QImage& image);
