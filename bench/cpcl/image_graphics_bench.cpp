// Image to CPCL graphics: a 2000 x 2000 colour picture read from a 24-bit
// BMP file, turned to grey, error-diffused and packed into a graphics
// command, beside netpbm's "pamditherbw -fs" dithering the same picture
// (given as the grey PGM it needs) in the same run. Prints megapixels per
// second for both and their ratio.
#include "bitmap_conversion.h"
#include "graphics_command.h"
#include "image_loader.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 2000;
constexpr int kRounds = 7;

struct Rgb {
    uint8_t r, g, b;
};

// Smooth gradients with fine noise, so that the error diffusion has work
// everywhere.
std::vector<Rgb> picture() {
    std::vector<Rgb> pixels(static_cast<size_t>(kSide) * kSide);
    uint32_t noise = 12345;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = static_cast<int>(noise >> 27) - 16;
            const auto clamp = [](int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); };
            pixels[static_cast<size_t>(y) * kSide + x] = {clamp(x * 255 / kSide + n),
                                                          clamp(y * 255 / kSide - n),
                                                          clamp((x + y) * 255 / (2 * kSide) + n / 2)};
        }
    }
    return pixels;
}

void writeBmp(const std::string& path, const std::vector<Rgb>& pixels) {
    const uint32_t stride = (kSide * 3 + 3) / 4 * 4;
    const uint32_t dataAt = 54;
    std::vector<uint8_t> out(dataAt + static_cast<size_t>(stride) * kSide, 0);
    const auto put = [&](size_t at, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    out[0] = 'B';
    out[1] = 'M';
    put(2, static_cast<uint32_t>(out.size()), 4);
    put(10, dataAt, 4);
    put(14, 40, 4);
    put(18, kSide, 4);
    put(22, kSide, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < kSide; ++y) {
        uint8_t* row = out.data() + dataAt + static_cast<size_t>(kSide - 1 - y) * stride;
        for (int x = 0; x < kSide; ++x) {
            const Rgb& p = pixels[static_cast<size_t>(y) * kSide + x];
            row[3 * x] = p.b;
            row[3 * x + 1] = p.g;
            row[3 * x + 2] = p.r;
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), out.size());
}

// The same picture in grey (the printer's weights), as netpbm reads it.
void writePgm(const std::string& path, const std::vector<Rgb>& pixels) {
    std::ofstream out(path, std::ios::binary);
    out << "P5\n" << kSide << ' ' << kSide << "\n255\n";
    std::vector<char> grey(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        grey[i] = static_cast<char>(
            static_cast<int>(pixels[i].r * 0.29891 + pixels[i].g * 0.58661 + pixels[i].b * 0.11448));
    }
    out.write(grey.data(), static_cast<std::streamsize>(grey.size()));
}

template <typename F>
double medianSeconds(F&& run) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!run()) {
            return -1;
        }
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    using namespace cobrix::cpcl;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "cpcl-image-bench";
    std::filesystem::create_directories(folder);
    const std::string bmp = (folder / "picture.bmp").string();
    const std::string pgm = (folder / "picture.pgm").string();
    const std::vector<Rgb> pixels = picture();
    writeBmp(bmp, pixels);
    writePgm(pgm, pixels);

    size_t commandBytes = 0;
    const double ours = medianSeconds([&] {
        LoadedImage image;
        Bitmap bitmap;
        cobrix::JobBuffer job;
        if (loadImageFile(bmp, image) != 0 || convertToBitmap(image, bitmap) != 0 ||
            appendGraphics(job, 0, bitmap.widthBytes, bitmap.height, 0, 0, bitmap.bytes.data()) != 0) {
            return false;
        }
        commandBytes = job.used();
        return true;
    });
    const std::string command = "pamditherbw -fs '" + pgm + "' > /dev/null 2>&1";
    const double netpbm = medianSeconds([&] { return std::system(command.c_str()) == 0; });
    std::filesystem::remove_all(folder);

    const double megapixels = kSide * kSide / 1e6;
    if (ours <= 0) {
        std::printf("conversion failed\n");
        return 1;
    }
    std::printf("image to CPCL graphics, %d x %d colour BMP, median of %d runs\n", kSide, kSide, kRounds);
    std::printf("  Cobrix (load, grey, diffuse, pack): %8.1f MP/s  (%zu command bytes)\n", megapixels / ours,
                commandBytes);
    if (netpbm <= 0) {
        std::printf("  pamditherbw -fs: not available (install netpbm)\n");
        return 0;
    }
    std::printf("  pamditherbw -fs (grey PGM input):   %8.1f MP/s\n", megapixels / netpbm);
    std::printf("  ratio: %.2f x netpbm (target: at least 2)\n", netpbm / ours);
    return 0;
}
