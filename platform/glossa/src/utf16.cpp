#include "glossa/utf16.h"

namespace glossa {

std::vector<char32_t> code_points(const char16_t* text) {
    std::vector<char32_t> out;
    for (const char16_t* p = text; *p != 0; ++p) {
        const char32_t c = *p;
        if (c >= 0xD800 && c < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000) {
            out.push_back(0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00));
            ++p;
        } else if (c >= 0xD800 && c < 0xE000) {
            out.push_back(0xFFFD);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string to_utf8(const std::u16string& text) {
    std::string out;
    for (char32_t c : code_points(text.c_str())) append_utf8(out, c);
    return out;
}

}  // namespace glossa
