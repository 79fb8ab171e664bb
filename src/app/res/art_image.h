// The in-memory picture the art generator draws into and encodes from.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

struct Rgba {
    double r, g, b, a;
};

struct Image {
    int width;
    int height;
    std::vector<Rgba> pixels;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), Rgba{0, 0, 0, 0}) {}
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

inline double Clamp01(double v) {
    return std::min(1.0, std::max(0.0, v));
}

inline std::uint8_t ToByte(double v) {
    return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255));
}
