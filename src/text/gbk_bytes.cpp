#include "text/gbk_bytes.h"

#include <algorithm>

namespace text {

std::size_t WithoutLoneLeadByte(std::string_view bytes) {
    std::size_t position = 0;
    while (position < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[position]);
        position += (lead >= 0x81 && lead <= 0xFE) ? 2 : 1;
    }
    // A lead byte alone at the end has taken the position one past the end.
    return position > bytes.size() ? position - 2 : position;
}

std::string PaddedField(std::string_view bytes, std::size_t size) {
    const std::string_view cut = bytes.substr(0, std::min(bytes.size(), size - 1));
    std::string field(cut.substr(0, WithoutLoneLeadByte(cut)));
    field += '\0';
    return field + std::string(size - field.size(), ' ');
}

}  // namespace text
