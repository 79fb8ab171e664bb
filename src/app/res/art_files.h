// Encodes drawn images as the files the resource compiler takes.
#pragma once

#include <string>
#include <vector>

#include "art_image.h"

// Images up to kLargestDibIcon pixels stay DIBs (what tray and title bars load); larger ones are stored as PNG.
constexpr int kLargestDibIcon = 32;

std::string IconFile(const std::vector<Image>& images);

// An 8-bit palettised BMP; the colours are reduced to at most 256.
std::string BannerFile(const Image& image);
