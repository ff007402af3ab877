// Limit deviation lookup on arbitrary data files and queries.
//
// Input: the data file, then a 9-byte query at the end:
//   bytes 0-7  basic size: a raw double when bit 7 of byte 8 is set (NaN, infinities,
//              negatives), else the first two bytes / 16, which lands on bounds often
//   byte 8     bit 6: take the zone from name entry (byte 2 % 160) of the file itself,
//              so that hits are common; bit 5: raw zone bytes 3-7; else a fixed name
// The file is copied into a buffer of its exact size so that any read past its end
// is an overflow the sanitizer reports.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fits/limit_file.h"

namespace {

class FuzzFile final : public fits::LimitFile {
public:
    FuzzFile(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    int opens = 0;
    int closes = 0;
    bool Open(const char*) override {
        ++opens;
        source_ = fits::MemoryByteSource(data_, size_);
        return true;
    }
    void Close() override { ++closes; }
    std::size_t Read(void* buffer, std::size_t size) override { return source_.Read(buffer, size); }
    bool Skip(std::uint32_t count) override { return source_.Skip(count); }

private:
    const unsigned char* data_;
    std::size_t size_;
    fits::MemoryByteSource source_{nullptr, 0};
};

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    const std::size_t fileSize = size - 9;
    const std::uint8_t* query = data + fileSize;
    std::vector<unsigned char> file(data, data + fileSize);
    file.shrink_to_fit();

    double basicSize;
    if (query[8] & 0x80)
        std::memcpy(&basicSize, query, sizeof basicSize);
    else
        basicSize = (query[0] | query[1] << 8) / 16.0;

    char zone[8] = {};
    static const char* const kNames[] = {"", "H7", "h7", "Js7", "JS7", "js6", "7H", "ABCDEF"};
    if (query[8] & 0x40) {
        const std::size_t at = fits::kNamesOffset + (query[2] % 160) * fits::kNameSize;
        if (at + fits::kNameSize <= fileSize) std::memcpy(zone, &file[at], fits::kNameSize);
    } else if (query[8] & 0x20) {
        std::memcpy(zone, query + 3, 5);
    } else {
        std::strcpy(zone, kNames[query[2] % 8]);
    }

    // The core on its own: a miss leaves the outputs alone, a hit is never NaN.
    const double sentinel = 123.0;
    double upper = sentinel, lower = sentinel;
    fits::MemoryByteSource source(file.data(), file.size());
    const bool found = fits::FindLimitDeviation(source, basicSize, zone, &upper, &lower);
    if (found)
        Require(!std::isnan(upper) && !std::isnan(lower));
    else
        Require(upper == sentinel && lower == sentinel);

    // The whole lookup agrees with it and closes what it opens.
    FuzzFile lookup(file.data(), file.size());
    double u = sentinel, l = sentinel;
    const int rc = fits::ReadLimitDeviationFrom(lookup, basicSize, zone, &u, &l);
    Require(rc == 0 || rc == -1);
    Require(lookup.opens == lookup.closes && lookup.opens <= 1);
    const bool argumentsPass = zone[0] != '\0' && basicSize >= 0.0 && basicSize <= 3150.0;
    if (!argumentsPass) Require(rc == -1 && u == sentinel && l == sentinel && lookup.opens == 0);
    if (rc == 0) Require(found && u == upper && l == lower);
    if (rc == -1 && argumentsPass) Require(u == 0.0 && l == 0.0);
    if (argumentsPass && lookup.opens == 1) Require((rc == 0) == found);
    return 0;
}
