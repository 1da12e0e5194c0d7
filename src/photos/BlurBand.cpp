#include "photos/BlurBand.h"

#include "photos/GaussianBlur.h"

#include <algorithm>
#include <stdexcept>

namespace photos {

float SideOfLine(QPoint pixel, QPoint a, QPoint b) {
    const long long dx = b.x() - a.x();
    const long long dy = b.y() - a.y();
    const long long lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0) return 0;
    const long long cross = (a.y() - pixel.y()) * dx - (a.x() - pixel.x()) * dy;
    return static_cast<float>(static_cast<double>(cross) / static_cast<double>(lengthSquared));
}

void BlurBand(const QImage& unblurred, QImage& zone, bool inversion, int thickness, int radius) {
    if (zone.isNull()) return;
    if (zone.format() != QImage::Format_BGR888 || unblurred.format() != QImage::Format_BGR888)
        throw BlurError();
    if (unblurred.size() != zone.size())
        throw std::invalid_argument("BlurBand: the unblurred zone and the zone differ in size");
    GaussianBlur(zone, radius);

    const int w = zone.width();
    const int h = zone.height();
    const int t = std::min(thickness, h);
    const QPoint line1a = inversion ? QPoint(0, 0) : QPoint(0, h - 1 - t);
    const QPoint line1b = inversion ? QPoint(w - 1, h - 1 - t) : QPoint(w - 1, 0);
    const QPoint line2a = inversion ? QPoint(0, t) : QPoint(0, h - 1);
    const QPoint line2b = inversion ? QPoint(w - 1, h - 1) : QPoint(w - 1, t);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* original = unblurred.constScanLine(y);
        std::uint8_t* pixels = zone.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const QPoint p(x, y);
            if (SideOfLine(p, line1a, line1b) > 0 || SideOfLine(p, line2a, line2b) < 0)
                std::copy_n(original + 3 * x, 3, pixels + 3 * x);
        }
    }
}

} // namespace photos
