#include "art_files.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>

namespace {

using Colour = std::array<std::uint8_t, 3>;  // r, g, b

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void Put32BigEndian(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((v >> shift) & 0xFF);
    }
}

std::string BitmapInfoHeader(int width, int height, int bits, std::uint32_t imageSize, std::uint32_t colours) {
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
    Put32(h, colours);
    Put32(h, colours);
    return h;
}

// A 32-bit bottom-up DIB of double height, then the AND mask.
std::string IconDib(const Image& image) {
    const int n = image.width;
    const int maskStride = ((n + 31) / 32) * 4;
    std::string pixels, mask(static_cast<std::size_t>(maskStride * n), '\0');
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const Rgba& p = image.at(x, y);
            pixels += static_cast<char>(ToByte(p.b));
            pixels += static_cast<char>(ToByte(p.g));
            pixels += static_cast<char>(ToByte(p.r));
            pixels += static_cast<char>(ToByte(p.a));
            if (ToByte(p.a) == 0) {
                mask[static_cast<std::size_t>((n - 1 - y) * maskStride + x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
    }
    return BitmapInfoHeader(n, 2 * n, 32, static_cast<std::uint32_t>(pixels.size() + mask.size()), 0) + pixels + mask;
}

void PutPngChunk(std::string& out, const char* type, const std::string& data) {
    Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    const auto* bytes = reinterpret_cast<const Bytef*>(body.data());
    Put32BigEndian(out, static_cast<std::uint32_t>(crc32(0L, bytes, static_cast<uInt>(body.size()))));
}

std::string Deflate(const std::string& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("compress2 failed");
    }
    packed.resize(size);
    return packed;
}

// Straight (not premultiplied) 8-bit RGBA, every row unfiltered.
std::string IconPng(const Image& image) {
    std::string raw;
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            for (const double channel : {p.r, p.g, p.b, p.a}) {
                raw += static_cast<char>(ToByte(channel));
            }
        }
    }
    std::string header;
    Put32BigEndian(header, static_cast<std::uint32_t>(image.width));
    Put32BigEndian(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // depth 8, RGBA, deflate, no filter set, no interlace
    std::string out = "\x89PNG\r\n\x1a\n";
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "IDAT", Deflate(raw));
    PutPngChunk(out, "IEND", "");
    return out;
}

Colour ColourAt(const Image& image, int x, int y) {
    const Rgba& p = image.at(x, y);
    return {ToByte(p.r), ToByte(p.g), ToByte(p.b)};
}

struct Box {
    std::vector<std::pair<Colour, std::uint32_t>> colours;  // each distinct colour with its pixel count

    int WidestChannel(int& range) const {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            int low = 255, high = 0;
            for (const auto& entry : colours) {
                low = std::min<int>(low, entry.first[static_cast<std::size_t>(c)]);
                high = std::max<int>(high, entry.first[static_cast<std::size_t>(c)]);
            }
            if (high - low > range) {
                range = high - low;
                best = c;
            }
        }
        return best;
    }

    Colour Average() const {
        double sum[3] = {0, 0, 0}, weight = 0;
        for (const auto& entry : colours) {
            for (std::size_t c = 0; c < 3; ++c) {
                sum[c] += entry.first[c] * static_cast<double>(entry.second);
            }
            weight += entry.second;
        }
        return {ToByte(sum[0] / weight / 255), ToByte(sum[1] / weight / 255), ToByte(sum[2] / weight / 255)};
    }
};

// Median cut: split the box with the widest channel at its pixel-weighted median until 256 boxes.
std::vector<Colour> Palette(const std::map<Colour, std::uint32_t>& histogram) {
    std::vector<Box> boxes(1);
    boxes[0].colours.assign(histogram.begin(), histogram.end());
    while (boxes.size() < 256) {
        std::size_t pick = 0;
        int pickRange = 0, pickChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int range = 0;
            const int channel = boxes[i].WidestChannel(range);
            if (range > pickRange) {
                pick = i, pickRange = range, pickChannel = channel;
            }
        }
        if (pickRange == 0) {
            break;
        }
        auto& colours = boxes[pick].colours;
        const auto c = static_cast<std::size_t>(pickChannel);
        std::sort(colours.begin(), colours.end(),
                  [c](const auto& a, const auto& b) { return a.first[c] < b.first[c]; });
        std::uint64_t total = 0, seen = 0;
        for (const auto& entry : colours) {
            total += entry.second;
        }
        std::size_t cut = 1;
        while (cut < colours.size() - 1 && (seen += colours[cut - 1].second) * 2 < total) {
            ++cut;
        }
        Box upper;
        upper.colours.assign(colours.begin() + static_cast<std::ptrdiff_t>(cut), colours.end());
        colours.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<Colour> palette;
    for (const Box& box : boxes) {
        palette.push_back(box.Average());
    }
    return palette;
}

std::uint8_t Nearest(const std::vector<Colour>& palette, const Colour& colour) {
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int distance = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            const int d = palette[i][c] - colour[c];
            distance += d * d;
        }
        if (distance < bestDistance) {
            best = i, bestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

std::string IconFile(const std::vector<Image>& images) {
    std::vector<std::string> encoded;
    for (const Image& image : images) {
        encoded.push_back(image.width > kLargestDibIcon ? IconPng(image) : IconDib(image));
    }
    std::string out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].width;
        out += static_cast<char>(n >= 256 ? 0 : n);
        out += static_cast<char>(n >= 256 ? 0 : n);
        out += '\0';
        out += '\0';
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(encoded[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const std::string& image : encoded) {
        out += image;
    }
    return out;
}

std::string BannerFile(const Image& image) {
    std::map<Colour, std::uint32_t> histogram;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            ++histogram[ColourAt(image, x, y)];
        }
    }
    const std::vector<Colour> palette = Palette(histogram);
    std::map<Colour, std::uint8_t> index;
    for (const auto& entry : histogram) {
        index[entry.first] = Nearest(palette, entry.first);
    }
    const int stride = (image.width + 3) / 4 * 4;
    std::string pixels;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            pixels += static_cast<char>(index[ColourAt(image, x, y)]);
        }
        pixels.append(static_cast<std::size_t>(stride - image.width), '\0');
    }
    std::string table;
    for (const Colour& colour : palette) {
        table += {static_cast<char>(colour[2]), static_cast<char>(colour[1]), static_cast<char>(colour[0]), '\0'};
    }
    const auto headers = static_cast<std::uint32_t>(14 + 40 + table.size());
    std::string out = "BM";
    Put32(out, headers + static_cast<std::uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, headers);
    const auto colours = static_cast<std::uint32_t>(palette.size());
    return out + BitmapInfoHeader(image.width, image.height, 8, static_cast<std::uint32_t>(pixels.size()), colours) +
           table + pixels;
}
