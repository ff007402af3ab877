// Limit deviation data files (Englib\xtoller, ytoller, xtoller2, ytoller2) and
// the lookup of one zone in them.
//
// File contract, little-endian throughout:
//   header, 964 bytes, read in one piece
//     0    u16          N, number of size bounds in use (at most 30)
//     2    u16[30]      size bounds in mm, strictly ascending; the first N are used.
//                       Range r (0 <= r <= N-2) holds sizes over bound[r] up to
//                       and including bound[r+1].
//     62   u16          M, number of zone names in use (at most 150)
//     64   char[150][6] zone names ("H7", "Js10", "js6"), NUL-terminated, NUL-padded
//   data, from byte 964: one row per zone name in table order, N-1 records a row
//     record (8 bytes): f32 upper deviation, f32 lower deviation, micrometres
//     (ES/EI for holes, es/ei for shafts); record (z, r) starts at
//     964 + ((N-1)*z + r)*8.
//   A record holding NaN marks a zone that ISO 286 does not define in that size
//   range; the lookup treats it as absent.
//
// Which file serves a lookup: upper-case first letter (hole) "ytoller", lower-case
// (shaft) "xtoller"; sizes of 500 and more the same name followed by "2".
//
// Nothing here touches the file system: the lookup reads through ByteSource so
// that the module can feed it from a file handle (one 964-byte read, one forward
// skip, one 8-byte read) and the tests and fuzzers from memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fits {

inline constexpr std::size_t kHeaderSize = 964;
inline constexpr std::size_t kBoundCountOffset = 0;
inline constexpr std::size_t kBoundsOffset = 2;
inline constexpr std::size_t kZoneCountOffset = 62;
inline constexpr std::size_t kNamesOffset = 64;
inline constexpr int kMaxBounds = 30;
inline constexpr int kMaxZones = 150;
inline constexpr std::size_t kNameSize = 6;
inline constexpr std::size_t kRecordSize = 8;

// Sequential reader over one data file.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes; returns how many it read (fewer at the end of the data
    // or on a read error).
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;
    // Moves the read position count bytes forward. Moving past the end may succeed;
    // the next Read then comes back short.
    virtual bool Skip(std::uint32_t count) = 0;
};

// A data file the lookup opens and closes by name.
class LimitFile : public ByteSource {
public:
    // name is "Englib\xtoller", "Englib\ytoller2" and so on, relative to the
    // directory of the host executable. False when it cannot be opened.
    virtual bool Open(const char* name) = 0;
    virtual void Close() = 0;
};

class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const void* data, std::size_t size)
        : data_(static_cast<const unsigned char*>(data)), size_(size) {}
    std::size_t Read(void* buffer, std::size_t size) override;
    bool Skip(std::uint32_t count) override;

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Data file for a zone and basic size, or nullptr when the zone does not start
// with an ASCII letter. Does not check the size range.
const char* LimitFileName(const char* zone, double basicSize);

// Looks zone up in a data file read from its start. On a hit stores the upper and
// lower deviation in millimetres and returns true; on any miss (short header, more
// than 30 bounds, size not inside the bounds, unknown name, short data area, NaN
// record) returns false and leaves both outputs alone. Names are compared exactly
// and case-sensitively; only the first 150 table entries can match, and an entry
// without a NUL inside its 6 bytes matches nothing.
bool FindLimitDeviation(ByteSource& file, double basicSize, const char* zone, double* upper, double* lower);

// The whole lookup as the chart pages see it: 0 with both deviations set (mm), or
// -1. An empty (or null) zone, a null output and a size below 0, above 3150 or NaN
// fail with the outputs untouched; every later failure leaves both outputs at 0.0.
// The file is closed again on every path.
int ReadLimitDeviationFrom(LimitFile& file, double basicSize, const char* zone, double* upper, double* lower);

}  // namespace fits
