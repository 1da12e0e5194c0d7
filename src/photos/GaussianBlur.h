#pragma once
// Gaussian blur of 24-bit blue-green-red pictures, with our own kernel trimming, edge repetition
// and truncating rounding, so that a plate is blurred the same way on every machine.
#include <QImage>
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace photos {

// Raised for any picture that is not 24-bit blue-green-red.
class BlurError : public std::runtime_error {
public:
    BlurError();
};

// Weights w[-100..100] (only w[-Size..Size] are used) and the half-width Size.
struct GaussianKernel {
    static constexpr int MaxSize = 100;
    std::array<float, 2 * MaxSize + 1> Weights{};
    int Size = 1;
    float w(int j) const { return Weights[static_cast<std::size_t>(j + MaxSize)]; }
};

// Kernel for the radius r (the standard deviation in pixels), with the tails holding together
// less than 1/510 of the mass cut off.
GaussianKernel MakeGaussianKernel(int radius);

// A weighted sum back to a channel: truncated, clamped to 0..255.
std::uint8_t ClampChannel(double sum);

// Blurs one line of pixels (3 bytes each, blue, green, red) in place; past its ends the line
// repeats its end pixels.
void BlurLine(const GaussianKernel& kernel, std::span<std::uint8_t> bgrPixels);

// Blurs every row, then every column of a QImage::Format_BGR888 picture; any other format
// raises BlurError. An empty picture is left as it is.
void GaussianBlur(QImage& bitmap, int radius);

} // namespace photos
