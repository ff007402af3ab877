#include "framework/gbk.h"

#include <cstring>

namespace gbk {

std::size_t FieldLength(const char* field, std::size_t width) {
    const void* nul = std::memchr(field, 0, width);
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width;
}

std::string FromField(const char* field, std::size_t width) {
    return std::string(field, FieldLength(field, width));
}

std::size_t CutLength(const char* text, std::size_t length, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < length) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t step = (b >= 0x81 && b <= 0xFE) ? 2 : 1;
        if (i + step > length || i + step > maxBytes) break;
        i += step;
    }
    return i;
}

void ToField(char* field, std::size_t width, const std::string& text) {
    if (width == 0) return;
    const std::size_t n = CutLength(text.data(), text.size(), width - 1);
    std::memcpy(field, text.data(), n);
    field[n] = 0;
}

}  // namespace gbk
