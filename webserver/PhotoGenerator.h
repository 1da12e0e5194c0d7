#pragma once
// Pictures for the demo vehicles: a simple drawing of a car in the vehicle's colour, encoded as
// real JPEG files (the photo and its thumbnail, as the client makes them).
#include <cstdint>
#include <filesystem>
#include <string>

namespace webserver::demo {

struct Rgb {
    std::uint8_t r, g, b;
};

std::string makeJpeg(int width, int height, Rgb body, unsigned seed, int quality = 85);
// Writes name + ".jpg" (640 x 480) and name + "m.jpg" (120 x 90) into `dir`.
void writeVehiclePhotos(const std::filesystem::path& dir, const std::string& name, Rgb body, unsigned seed);

} // namespace webserver::demo
