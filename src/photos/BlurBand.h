#pragma once
// The slanted band of a selected zone that hides a plate photographed at an angle.
#include <QImage>
#include <QPoint>

namespace photos {

// Which side of the line from a to b the pixel lies on: positive above a line drawn from left to
// right (y grows downwards), negative below, 0 on it or when a and b are the same point.
float SideOfLine(QPoint pixel, QPoint a, QPoint b);

// Blurs `zone` (QImage::Format_BGR888) with GaussianBlur, then gives back the pixels of
// `unblurred` outside a band `thickness` pixels high (at most the zone's height) running
// between two opposite corners: top-left to bottom-right when `inversion` is set, bottom-left
// to top-right otherwise. `unblurred` must be a 24-bit picture of the zone's size.
void BlurBand(const QImage& unblurred, QImage& zone, bool inversion, int thickness, int radius);

} // namespace photos
