// Limit deviation lookup on arbitrary data files and queries.
//
// Input: the data file, then a 9-byte query at the end:
//   bytes 0-7  basic size: a raw double when bit 7 of byte 8 is set (NaN, infinities,
//              negatives), else the first two bytes / 16, which lands on bounds often
//   byte 8     bit 6: take the zone from name entry (byte 2 % 160) of the file itself,
//              so that hits are common; else raw zone bytes 3-7
// The file is copied into a buffer of its exact size so that any read past its end
// is an overflow the sanitizer reports.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fits/limit_file.h"
#include "tests/native/memory_limit_files.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    const std::size_t fileSize = size - 9;
    const std::uint8_t* query = data + fileSize;
    const std::vector<unsigned char> file(data, data + fileSize);

    double basicSize = (query[0] | query[1] << 8) / 16.0;
    if (query[8] & 0x80) std::memcpy(&basicSize, query, sizeof basicSize);
    char zone[8] = {};
    const std::size_t at = fits::kNamesOffset + (query[2] % 160) * fits::kNameSize;
    if (!(query[8] & 0x40))
        std::memcpy(zone, query + 3, 5);
    else if (at + fits::kNameSize <= fileSize)
        std::memcpy(zone, &file[at], fits::kNameSize);

    // The core on its own: a miss leaves the outputs alone, a hit is never NaN.
    const double sentinel = MemoryLimitFiles::kUntouched;
    double upper = sentinel, lower = sentinel;
    fits::MemoryByteSource source(file.data(), file.size());
    const bool found = fits::FindLimitDeviation(source, basicSize, zone, &upper, &lower);
    Require(found ? !std::isnan(upper) && !std::isnan(lower) : upper == sentinel && lower == sentinel);

    // The whole lookup agrees with it and closes what it opens; every name the
    // lookup may open serves the same bytes.
    MemoryLimitFiles lookup;
    for (const char* name : {"Englib\\xtoller", "Englib\\ytoller", "Englib\\xtoller2", "Englib\\ytoller2"})
        lookup.files[name] = file;
    const auto r = lookup.LookUp(basicSize, zone);
    const int opens = static_cast<int>(lookup.opened.size());
    Require((r.rc == 0 || r.rc == -1) && opens == lookup.closes && opens <= 1);
    const bool argumentsPass = zone[0] != '\0' && basicSize >= 0.0 && basicSize <= 3150.0;
    if (!argumentsPass) Require(r.rc == -1 && r.upper == sentinel && r.lower == sentinel && opens == 0);
    if (r.rc == 0) Require(found && r.upper == upper && r.lower == lower);
    if (r.rc == -1 && argumentsPass) Require(r.upper == 0.0 && r.lower == 0.0);
    if (argumentsPass && opens == 1) Require((r.rc == 0) == found);
    return 0;
}
