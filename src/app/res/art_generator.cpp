// Draws the program icon (16, 32, 48, 64 and 128 pixels) and the main window's banner, and writes them
// as an .ico and a .bmp for the resource compiler. Built and run on the build machine.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "art_files.h"
#include "art_image.h"

namespace {

// Distance from p to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = Clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

Rgba Over(const Rgba& top, const Rgba& bottom) {
    const double a = top.a + bottom.a * (1 - top.a);
    if (a <= 0) {
        return {0, 0, 0, 0};
    }
    auto mix = [&](double t, double b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
    return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), a};
}

// One sample of the icon in unit coordinates (0..1 across the image).
Rgba IconSample(double x, double y) {
    const double cx = 0.5, cy = 0.5, r = std::hypot(x - cx, y - cy);
    Rgba color{0, 0, 0, 0};
    if (r <= 0.47) {
        color = {0.88, 0.92, 0.98, 1};  // rim
    }
    if (r <= 0.41) {
        const double shade = Clamp01((y - 0.1) / 0.8);
        color = {0.12 + 0.10 * (1 - shade), 0.36 + 0.18 * (1 - shade), 0.66 + 0.24 * (1 - shade), 1};
    }
    const Rgba white{1, 1, 1, 1};
    for (int hour = 0; hour < 12; hour += 3) {
        const double angle = hour * M_PI / 6;
        const double tx = cx + 0.33 * std::sin(angle), ty = cy - 0.33 * std::cos(angle);
        if (std::hypot(x - tx, y - ty) < 0.035) {
            color = Over(white, color);
        }
    }
    const double minute = SegmentDistance(x, y, cx, cy, cx, cy - 0.30);
    const double hourHand =
        SegmentDistance(x, y, cx, cy, cx - 0.19 * std::sin(M_PI / 3), cy - 0.19 * std::cos(M_PI / 3));
    if (minute < 0.04 || hourHand < 0.05) {
        color = Over(white, color);
    }
    if (r < 0.06) {
        color = Over({0.90, 0.22, 0.20, 1}, color);
    }
    return color;
}

Rgba BannerSample(double x, double y) {
    const double w = 434, h = 56;
    const double t = x / w;
    Rgba color{0.93 - 0.10 * t, 0.96 - 0.06 * t, 1.0 - 0.02 * t, 1};
    // Soft diagonal bands of light.
    const double band = 0.5 + 0.5 * std::sin((x + 2.2 * y) / 38.0);
    color.r += 0.03 * band;
    color.g += 0.02 * band;
    // Two gentle waves along the bottom edge.
    const double wave1 = h - 10 + 3.5 * std::sin(x / 31.0);
    const double wave2 = h - 5 + 2.5 * std::sin(x / 23.0 + 1.3);
    if (y > wave1) {
        color = Over({0.55, 0.72, 0.92, 0.55}, color);
    }
    if (y > wave2) {
        color = Over({0.35, 0.55, 0.85, 0.65}, color);
    }
    // A thin clock ring at the right end.
    const double ring = std::hypot(x - 418, y - 22);
    if (std::fabs(ring - 11) < 1.2) {
        color = Over({0.45, 0.62, 0.88, 0.8}, color);
    }
    color.r = Clamp01(color.r);
    color.g = Clamp01(color.g);
    color.b = Clamp01(color.b);
    return color;
}

template <typename Sampler>
Image Render(int width, int height, double unitX, double unitY, Sampler sample) {
    constexpr int kGrid = 4;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < kGrid; ++sy) {
                for (int sx = 0; sx < kGrid; ++sx) {
                    const Rgba s = sample((x + (sx + 0.5) / kGrid) * unitX, (y + (sy + 0.5) / kGrid) * unitY);
                    sum.r += s.r * s.a;
                    sum.g += s.g * s.a;
                    sum.b += s.b * s.a;
                    sum.a += s.a;
                }
            }
            Rgba& p = image.at(x, y);
            p.a = sum.a / (kGrid * kGrid);
            if (sum.a > 0) {
                p.r = sum.r / sum.a;
                p.g = sum.g / sum.a;
                p.b = sum.b / sum.a;
            }
        }
    }
    return image;
}

bool WriteFile(const char* path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON.ico BANNER.bmp\n", argv[0]);
        return 2;
    }
    std::vector<Image> icons;
    for (const int n : {16, 32, 48, 64, 128}) {
        icons.push_back(Render(n, n, 1.0 / n, 1.0 / n, IconSample));
    }
    const Image banner = Render(434, 56, 1.0, 1.0, BannerSample);
    const bool ok = WriteFile(argv[1], IconFile(icons)) && WriteFile(argv[2], BannerFile(banner));
    return ok ? 0 : 1;
}
