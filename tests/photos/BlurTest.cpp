// The blur, line by line and band by band, against what a plate must look like.
#include "photos/BlurBand.h"
#include "photos/GaussianBlur.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace photos {
namespace {

QImage Noise(int width, int height, unsigned seed) {
    QImage picture(width, height, QImage::Format_BGR888);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> level(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            picture.scanLine(y)[x] = static_cast<uchar>(level(random));
    return picture;
}

QImage Uniform(int width, int height, int level) {
    QImage picture(width, height, QImage::Format_BGR888);
    picture.fill(QColor(level, level, level));
    return picture;
}

QImage Checkerboard(int width, int height) {
    QImage picture(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
    return picture;
}

QImage Blurred(QImage picture, int radius) {
    GaussianBlur(picture, radius);
    return picture;
}

TEST(GaussianKernel, HalfWidthsShapeAndMass) {
    const int expectedSize[] = {5, 8, 11, 14, 18, 21, 24, 27, 30};
    for (int r = 2; r <= 10; ++r) {
        SCOPED_TRACE(r);
        const GaussianKernel k = MakeGaussianKernel(r);
        EXPECT_EQ(k.Size, expectedSize[r - 2]);
        double sum = 0;
        for (int j = -k.Size; j <= k.Size; ++j) {
            EXPECT_EQ(k.w(j), k.w(-j));
            EXPECT_NEAR(k.w(j) / k.w(0), std::exp(-(double(j) / r) * (double(j) / r) / 2), 1e-6);
            sum += k.w(j);
        }
        EXPECT_NEAR(sum, 1.0, 1e-6);
    }
    EXPECT_EQ(MakeGaussianKernel(0).Weights, MakeGaussianKernel(1).Weights);
}

TEST(ClampChannel, TruncatesAndClamps) {
    const struct {
        double sum;
        int level;
    } cases[] = {
        {254.9, 254}, {255.0, 255}, {254.999999, 255}, {300.0, 255}, {12.5, 12},
        {12.99, 12},  {0.0, 0},     {-0.4, 0},         {-50.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampChannel(c.sum), c.level) << c.sum;
}

TEST(GaussianBlur, UniformAreasKeepTheirLevel) {
    for (int r = 2; r <= 10; ++r)
        for (const int level : {0, 1, 77, 128, 254, 255}) {
            const QImage area = Uniform(23, 17, level);
            EXPECT_EQ(Blurred(area, r), area) << "radius " << r << ", level " << level;
        }
}

// Straight from the formulas: rows then columns, positions past the ends taken at the ends,
// each sum in double from j = -Size to Size, truncated back to a level.
QImage ReferenceBlur(const QImage& picture, int radius) {
    const GaussianKernel k = MakeGaussianKernel(radius);
    const int width = picture.width(), height = picture.height();
    const auto pass = [&](const QImage& in, bool rows) {
        QImage out = in.copy();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c) {
                    double s = 0;
                    for (int j = -k.Size; j <= k.Size; ++j) {
                        const int sx = rows ? std::clamp(x - j, 0, width - 1) : x;
                        const int sy = rows ? y : std::clamp(y - j, 0, height - 1);
                        s += k.w(j) * in.constScanLine(sy)[3 * sx + c];
                    }
                    out.scanLine(y)[3 * x + c] = ClampChannel(s);
                }
        return out;
    };
    return pass(pass(picture, true), false);
}

TEST(GaussianBlur, MatchesTheFormulasPixelForPixel) {
    const struct {
        int width, height, radius;
    } cases[] = {
        {37, 23, 2}, {37, 23, 5}, {64, 41, 10}, {3, 2, 5}, {1, 1, 2}, {1, 30, 3}, {30, 1, 3},
    };
    for (const auto& c : cases) {
        const QImage picture = Noise(c.width, c.height, 11u * c.width + c.height);
        EXPECT_EQ(Blurred(picture, c.radius), ReferenceBlur(picture, c.radius))
            << c.width << " x " << c.height << " radius " << c.radius;
    }
}

TEST(GaussianBlur, BlurLineRepeatsTheEndPixels) {
    // A line black but for its last pixel: the end repeats white beyond the line, so the last
    // pixel keeps more than half of its white.
    std::vector<std::uint8_t> line(3 * 20, 0);
    std::fill(line.end() - 3, line.end(), 255);
    BlurLine(MakeGaussianKernel(2), line);
    const GaussianKernel k = MakeGaussianKernel(2);
    double lastSum = 0;
    for (int j = -k.Size; j <= 0; ++j)
        lastSum += k.w(j) * 255;
    EXPECT_EQ(line[line.size() - 1], ClampChannel(lastSum));
    EXPECT_GT(line[line.size() - 1], 128);
    EXPECT_EQ(line[0], 0);
}

TEST(GaussianBlur, RefusesAnythingButBlueGreenRed24Bit) {
    for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                              QImage::Format_Indexed8, QImage::Format_Grayscale8}) {
        QImage picture(8, 8, format);
        picture.fill(0);
        const QImage before = picture;
        try {
            GaussianBlur(picture, 5);
            ADD_FAILURE() << "format " << format << " was blurred";
        } catch (const BlurError& e) {
            EXPECT_STREQ(e.what(), "GBlur only works for 24-bit bitmaps");
        }
        QImage zone = picture.copy();
        EXPECT_THROW(BlurBand(before, zone, false, 30, 5), BlurError);
        EXPECT_EQ(picture, before);
    }
}

TEST(SideOfLine, SignAboveBelowAndOnTheLine) {
    const struct {
        QPoint pixel, a, b;
        float side;
    } cases[] = {
        {{5, -1}, {0, 0}, {10, 0}, 0.1f},   // above a line drawn left to right
        {{5, 2}, {0, 0}, {10, 0}, -0.2f},   // below it
        {{5, 5}, {0, 0}, {10, 10}, 0.0f},   // on a diagonal
        {{0, 3}, {0, 0}, {10, 10}, -0.15f}, // below the diagonal
        {{5, 0}, {10, 0}, {0, 0}, 0.0f},    // on a line drawn right to left
        {{5, -1}, {10, 0}, {0, 0}, -0.1f},  // above a line drawn right to left
        {{3, 4}, {2, 2}, {2, 2}, 0.0f},     // a line of no length
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(SideOfLine(c.pixel, c.a, c.b), c.side) << c.pixel.x() << "," << c.pixel.y();
}

// Rows [first, last] of column x lying in the band: from the upper line down to t pixels
// below it, both lines included, as exact fractions.
std::pair<int, int> BandRows(int x, int w, int h, int t, bool inversion) {
    const long long rise = h - 1 - t; // the upper line falls (inversion) or rises by this much
    const long long num = rise * (inversion ? x : (w - 1 - x));
    const long long den = w - 1;
    const long long floorTop = num >= 0 ? num / den : -((-num + den - 1) / den);
    const long long ceilTop = num >= 0 ? (num + den - 1) / den : -((-num) / den);
    return {static_cast<int>(ceilTop), static_cast<int>(floorTop + t)};
}

TEST(BlurBand, BlursTheBandBetweenTheTwoDiagonalLines) {
    const struct {
        int w, h, t;
        bool inversion;
    } cases[] = {
        {40, 60, 30, false}, {40, 60, 30, true}, {200, 60, 5, false}, {200, 60, 12, true}, {7, 50, 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " t " << c.t << " inv " << c.inversion);
        const QImage original = Checkerboard(c.w, c.h);
        const QImage blurred = Blurred(original, 2);
        QImage zone = original.copy();
        BlurBand(original, zone, c.inversion, c.t, 2);
        for (int x = 0; x < c.w; ++x) {
            const auto [first, last] = BandRows(x, c.w, c.h, c.t, c.inversion);
            for (int y = 0; y < c.h; ++y) {
                const bool inBand = y >= first && y <= last;
                ASSERT_NE(blurred.pixel(x, y), original.pixel(x, y));
                ASSERT_EQ(zone.pixel(x, y), (inBand ? blurred : original).pixel(x, y))
                    << "pixel " << x << "," << y << (inBand ? " should be blurred" : " should be kept");
            }
        }
    }
}

TEST(BlurBand, TheCornerTrianglesStayUnblurredOnAFortyBySixtyZone) {
    const QImage original = Checkerboard(40, 60);
    for (const bool inversion : {false, true}) {
        QImage zone = original.copy();
        BlurBand(original, zone, inversion, 30, 5);
        // Kept: top-left and bottom-right without inversion, the other two corners with it.
        const QPoint kept[] = {inversion ? QPoint(39, 0) : QPoint(0, 0),
                               inversion ? QPoint(0, 59) : QPoint(39, 59)};
        const QPoint blurredCorners[] = {inversion ? QPoint(0, 0) : QPoint(39, 0),
                                         inversion ? QPoint(39, 59) : QPoint(0, 59)};
        for (const QPoint p : kept)
            EXPECT_EQ(zone.pixel(p), original.pixel(p)) << inversion;
        for (const QPoint p : blurredCorners)
            EXPECT_NE(zone.pixel(p), original.pixel(p)) << inversion;
    }
}

TEST(BlurBand, AThicknessAboveTheZoneHeightBlursItAll) {
    const struct { int w, h, t; } cases[] = {{30, 20, 100}, {30, 20, 20}, {200, 60, 60}, {5, 1, 30}};
    for (const auto& c : cases)
        for (const bool inversion : {false, true}) {
            const QImage original = Noise(c.w, c.h, 3);
            QImage zone = original.copy();
            BlurBand(original, zone, inversion, c.t, 4);
            EXPECT_EQ(zone, Blurred(original, 4)) << c.w << " x " << c.h << " t " << c.t;
        }
}

TEST(BlurBand, RefusesAnUnblurredZoneOfAnotherSize) {
    QImage zone = Noise(20, 10, 1);
    EXPECT_THROW(BlurBand(Noise(10, 10, 1), zone, false, 30, 5), std::invalid_argument);
}

} // namespace
} // namespace photos
