#include "webserver/PhotoGenerator.h"

#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace webserver::demo {
namespace {

struct Canvas {
    int w, h;
    std::vector<std::uint8_t> px;
    Canvas(int width, int height) : w(width), h(height), px(static_cast<std::size_t>(width) * height * 3) {}
    void set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        auto* p = &px[(static_cast<std::size_t>(y) * w + x) * 3];
        p[0] = c.r, p[1] = c.g, p[2] = c.b;
    }
    // Coordinates in thousandths of the picture, so that both sizes draw the same scene.
    void box(int x0, int y0, int x1, int y1, Rgb c) {
        for (int y = y0 * h / 1000; y < y1 * h / 1000; ++y)
            for (int x = x0 * w / 1000; x < x1 * w / 1000; ++x) set(x, y, c);
    }
    void disc(int cx, int cy, int r, Rgb c) {
        const int px0 = cx * w / 1000, py0 = cy * h / 1000, rr = r * w / 1000;
        for (int y = py0 - rr; y <= py0 + rr; ++y)
            for (int x = px0 - rr; x <= px0 + rr; ++x)
                if ((x - px0) * (x - px0) + (y - py0) * (y - py0) <= rr * rr) set(x, y, c);
    }
};

} // namespace

std::string makeJpeg(int width, int height, Rgb body, unsigned seed, int quality) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool ground = y > height * 7 / 10;
            const auto shade = static_cast<std::uint8_t>(150 + 80 * y / height);
            canvas.set(x, y, ground ? Rgb{110, 110, 105} : Rgb{static_cast<std::uint8_t>(120 + (seed % 60)), 170, shade});
        }
    const int shift = static_cast<int>(seed % 80) - 40;
    canvas.box(150 + shift, 450, 850 + shift, 680, body);                       // body
    canvas.box(300 + shift, 330, 680 + shift, 460, body);                       // cabin
    canvas.box(330 + shift, 350, 480 + shift, 450, Rgb{180, 210, 230});         // windows
    canvas.box(500 + shift, 350, 650 + shift, 450, Rgb{180, 210, 230});
    canvas.box(430 + shift, 600, 570 + shift, 650, Rgb{245, 245, 245});         // plate
    canvas.disc(300 + shift, 690, 60, Rgb{25, 25, 25});                         // wheels
    canvas.disc(700 + shift, 690, 60, Rgb{25, 25, 25});

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &canvas.px[static_cast<std::size_t>(cinfo.next_scanline) * width * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

void writeVehiclePhotos(const std::filesystem::path& dir, const std::string& name, Rgb body, unsigned seed) {
    std::filesystem::create_directories(dir);
    for (const auto& [suffix, w, h] : {std::tuple{".jpg", 640, 480}, std::tuple{"m.jpg", 120, 90}}) {
        const auto path = dir / (name + suffix);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string bytes = makeJpeg(w, h, body, seed);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("Impossible d'écrire la photo " + path.string());
    }
}

} // namespace webserver::demo
