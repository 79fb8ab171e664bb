// Draws the program icon (16, 32, 48, 64 and 128 pixels) and the main window's banner, and writes them
// as an .ico and a .bmp for the resource compiler. Built and run on the build machine.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgba {
    double r, g, b, a;
};

struct Image {
    int width;
    int height;
    std::vector<Rgba> pixels;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), Rgba{0, 0, 0, 0}) {}
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

double Clamp01(double v) {
    return std::min(1.0, std::max(0.0, v));
}

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

std::uint8_t Byte(double v) {
    return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255));
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::string BitmapInfoHeader(int width, int height, int bits, std::uint32_t imageSize) {
    std::string h;
    Put32(h, 40);
    Put32(h, static_cast<std::uint32_t>(width));
    Put32(h, static_cast<std::uint32_t>(height));
    Put16(h, 1);
    Put16(h, static_cast<unsigned>(bits));
    Put32(h, 0);
    Put32(h, imageSize);
    Put32(h, 3780);
    Put32(h, 3780);
    Put32(h, 0);
    Put32(h, 0);
    return h;
}

// One icon image: a 32-bit bottom-up DIB of double height, then the AND mask.
std::string IconImage(Image& image) {
    const int n = image.width;
    const int maskStride = ((n + 31) / 32) * 4;
    std::string pixels, mask(static_cast<std::size_t>(maskStride * n), '\0');
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const Rgba& p = image.at(x, y);
            pixels += static_cast<char>(Byte(p.b));
            pixels += static_cast<char>(Byte(p.g));
            pixels += static_cast<char>(Byte(p.r));
            pixels += static_cast<char>(Byte(p.a));
            if (Byte(p.a) == 0) {
                mask[static_cast<std::size_t>((n - 1 - y) * maskStride + x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
    }
    return BitmapInfoHeader(n, 2 * n, 32, static_cast<std::uint32_t>(pixels.size() + mask.size())) + pixels + mask;
}

std::string IconFile(const std::vector<int>& sizes) {
    std::vector<std::string> images;
    for (const int n : sizes) {
        Image image = Render(n, n, 1.0 / n, 1.0 / n, IconSample);
        images.push_back(IconImage(image));
    }
    std::string out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(sizes.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        out += static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i]);
        out += static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i]);
        out += '\0';
        out += '\0';
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images) {
        out += image;
    }
    return out;
}

std::string BannerFile() {
    Image image = Render(434, 56, 1.0, 1.0, BannerSample);
    const int stride = (image.width * 3 + 3) / 4 * 4;
    std::string pixels;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            pixels += static_cast<char>(Byte(p.b));
            pixels += static_cast<char>(Byte(p.g));
            pixels += static_cast<char>(Byte(p.r));
        }
        pixels.append(static_cast<std::size_t>(stride - image.width * 3), '\0');
    }
    std::string out = "BM";
    Put32(out, static_cast<std::uint32_t>(14 + 40 + pixels.size()));
    Put32(out, 0);
    Put32(out, 14 + 40);
    return out + BitmapInfoHeader(image.width, image.height, 24, static_cast<std::uint32_t>(pixels.size())) + pixels;
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
    const bool ok = WriteFile(argv[1], IconFile({16, 32, 48, 64, 128})) && WriteFile(argv[2], BannerFile());
    return ok ? 0 : 1;
}
