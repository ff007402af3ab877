// bmpgen <in.bmpdesc> <out.bmp>: draws a description into a monochrome BMP.
// The output file is written only when the whole description is valid, so a
// broken description fails the build instead of leaving a half-drawn bitmap.
#include "description.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bmpgen <in.bmpdesc> <out.bmp>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    bmpgen::DrawError error;
    const std::optional<bmpgen::Canvas> canvas = bmpgen::Draw(text.str(), error);
    if (!canvas) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], error.line, error.message.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> bmp = bmpgen::EncodeBmp(*canvas);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    out.close();
    if (!out) {
        std::remove(argv[2]);
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
