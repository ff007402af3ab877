#include "fits/limit_file.h"

#include <cmath>
#include <cstring>

namespace fits {

namespace {

std::uint16_t U16At(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

float F32At(const unsigned char* p) {
    const std::uint32_t bits = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                               (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Index of the range holding size: the last bound strictly below it, so a size
// equal to a bound belongs to the range that ends there. -1 or n-1 and above
// mean outside the table.
int RangeIndex(const unsigned char* bounds, int n, double size) {
    int lo = 0;
    int hi = n - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const double bound = U16At(bounds + 2 * mid);
        if (bound > size)
            hi = mid - 1;
        else if (bound < size)
            lo = mid + 1;
        else
            return mid - 1;
    }
    return hi;
}

// A name table entry matches when its text up to its NUL is zone. Written names
// have at most 5 characters; an entry filling all 6 bytes is damaged and must not
// run on into the next one.
bool NameMatches(const unsigned char* entry, const char* zone) {
    for (std::size_t i = 0; i < kNameSize; ++i) {
        if (entry[i] != static_cast<unsigned char>(zone[i])) return false;
        if (entry[i] == 0) return true;
    }
    return false;
}

bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLowerAscii(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

std::size_t MemoryByteSource::Read(void* buffer, std::size_t size) {
    const std::size_t left = position_ < size_ ? size_ - position_ : 0;
    const std::size_t n = size < left ? size : left;
    if (n > 0) std::memcpy(buffer, data_ + position_, n);
    position_ += n;
    return n;
}

bool MemoryByteSource::Skip(std::uint32_t count) {
    position_ += count;
    return true;
}

const char* LimitFileName(const char* zone, double basicSize) {
    const bool large = basicSize >= 500.0;
    if (IsUpperAscii(zone[0])) return large ? "Englib\\ytoller2" : "Englib\\ytoller";
    if (IsLowerAscii(zone[0])) return large ? "Englib\\xtoller2" : "Englib\\xtoller";
    return nullptr;
}

bool FindLimitDeviation(ByteSource& file, double basicSize, const char* zone, double* upper, double* lower) {
    if (std::isnan(basicSize)) return false;

    unsigned char header[kHeaderSize];
    if (file.Read(header, sizeof header) != sizeof header) return false;

    const int boundCount = U16At(header + kBoundCountOffset);
    if (boundCount > kMaxBounds) return false;
    const int range = RangeIndex(header + kBoundsOffset, boundCount, basicSize);
    if (range < 0 || range > boundCount - 2) return false;

    const int zoneCount = U16At(header + kZoneCountOffset);
    const int searched = zoneCount < kMaxZones ? zoneCount : kMaxZones;
    int zoneIndex = -1;
    for (int i = 0; i < searched && zoneIndex < 0; ++i) {
        if (NameMatches(header + kNamesOffset + i * kNameSize, zone)) zoneIndex = i;
    }
    if (zoneIndex < 0) return false;

    const std::uint32_t recordIndex = static_cast<std::uint32_t>((boundCount - 1) * zoneIndex + range);
    unsigned char record[kRecordSize];
    if (!file.Skip(recordIndex * kRecordSize)) return false;
    if (file.Read(record, sizeof record) != sizeof record) return false;

    const float up = F32At(record);
    const float low = F32At(record + 4);
    if (std::isnan(up) || std::isnan(low)) return false;
    *upper = up * 0.001;
    *lower = low * 0.001;
    return true;
}

int ReadLimitDeviationFrom(LimitFile& file, double basicSize, const char* zone, double* upper, double* lower) {
    if (zone == nullptr || zone[0] == '\0') return -1;
    if (!(basicSize >= 0.0 && basicSize <= 3150.0)) return -1;  // NaN fails here too
    if (upper == nullptr || lower == nullptr) return -1;
    *upper = 0.0;
    *lower = 0.0;

    const char* name = LimitFileName(zone, basicSize);
    if (name == nullptr) return -1;
    if (!file.Open(name)) return -1;
    const bool found = FindLimitDeviation(file, basicSize, zone, upper, lower);
    file.Close();
    return found ? 0 : -1;
}

}  // namespace fits
