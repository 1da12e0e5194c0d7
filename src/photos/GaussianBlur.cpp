#include "photos/GaussianBlur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace photos {

BlurError::BlurError() : std::runtime_error("GBlur only works for 24-bit bitmaps") {}

GaussianKernel MakeGaussianKernel(int radius) {
    constexpr int Max = GaussianKernel::MaxSize;
    const double r = radius == 0 ? 1.0 : static_cast<double>(radius);
    GaussianKernel k;
    double total = 0;
    for (int j = -Max; j <= Max; ++j) {
        const double x = j / r;
        const float weight = static_cast<float>(std::exp(-(x * x) / 2));
        k.Weights[static_cast<std::size_t>(j + Max)] = weight;
        total += weight;
    }
    for (float& weight : k.Weights)
        weight = static_cast<float>(weight / total);

    // Drop the outer weights, pair by pair, until the dropped mass reaches half a level of 255.
    constexpr double delta = 1.0 / (2 * 255);
    double dropped = 0;
    k.Size = Max;
    while (dropped < delta && k.Size > 1) {
        dropped += 2 * k.w(k.Size);
        --k.Size;
    }
    double kept = 0;
    for (int j = -k.Size; j <= k.Size; ++j)
        kept += k.w(j);
    for (int j = -k.Size; j <= k.Size; ++j) {
        float& weight = k.Weights[static_cast<std::size_t>(j + Max)];
        weight = static_cast<float>(weight / kept);
    }
    return k;
}

std::uint8_t ClampChannel(double sum) {
    // The single-precision weights never add up to exactly 1: a uniform area would come out a hair
    // below its level (254.999995 for white) and truncation would darken it by one at each pass.
    // Sums that close to the next level count as that level.
    constexpr double roundingSlack = 1e-4;
    if (sum < 0) return 0;
    const double level = sum + roundingSlack;
    if (level >= 255) return 255;
    return static_cast<std::uint8_t>(level);
}

namespace {

// Blurs lines one after another, reusing its buffers. Each sum reads a padded copy of the
// unblurred line, so results can be written back in place.
class LineBlurrer {
public:
    explicit LineBlurrer(const GaussianKernel& kernel) : size_(kernel.Size) {
        for (int j = -size_; j <= size_; ++j)
            weights_.push_back(kernel.w(j));
    }

    void Blur(std::uint8_t* line, int n) {
        if (n <= 0) return;
        const int paddedCount = n + 2 * size_;
        padded_.resize(static_cast<std::size_t>(paddedCount) * 3);
        for (int q = 0; q < paddedCount; ++q) {
            const std::uint8_t* source = line + 3 * std::clamp(q - size_, 0, n - 1);
            std::copy(source, source + 3, padded_.begin() + 3 * q);
        }
        int i = 0;
        for (; i + 4 <= n; i += 4)
            BlurPixels<4>(i, line);
        for (; i < n; ++i)
            BlurPixels<1>(i, line);
    }

private:
    // Pixels i .. i + count - 1, summed side by side (each sum in its own order) for speed.
    template <int count> void BlurPixels(int i, std::uint8_t* line) const {
        double sums[3 * count] = {};
        // j runs from -Size to Size over pixel i - j, kept at padded index i - j + Size.
        const double* p = padded_.data() + 3 * (i + 2 * size_);
        for (const double weight : weights_) {
            for (int c = 0; c < 3 * count; ++c)
                sums[c] += weight * p[c];
            p -= 3;
        }
        for (int c = 0; c < 3 * count; ++c)
            line[3 * i + c] = ClampChannel(sums[c]);
    }

    int size_;
    std::vector<double> weights_;
    std::vector<double> padded_;
};

} // namespace

void BlurLine(const GaussianKernel& kernel, std::span<std::uint8_t> bgrPixels) {
    LineBlurrer(kernel).Blur(bgrPixels.data(), static_cast<int>(bgrPixels.size() / 3));
}

void GaussianBlur(QImage& bitmap, int radius) {
    if (bitmap.isNull()) return;
    if (bitmap.format() != QImage::Format_BGR888) throw BlurError();
    const int width = bitmap.width();
    const int height = bitmap.height();
    LineBlurrer blurrer(MakeGaussianKernel(radius));
    for (int y = 0; y < height; ++y)
        blurrer.Blur(bitmap.scanLine(y), width);

    std::vector<std::uint8_t> column(static_cast<std::size_t>(height) * 3);
    std::uint8_t* const top = bitmap.bits();
    const qsizetype stride = bitmap.bytesPerLine();
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            std::copy_n(top + y * stride + 3 * x, 3, column.begin() + 3 * y);
        blurrer.Blur(column.data(), height);
        for (int y = 0; y < height; ++y)
            std::copy_n(column.begin() + 3 * y, 3, top + y * stride + 3 * x);
    }
}

} // namespace photos
