#include "fits/limit_file_writer.h"

#include <cstring>

#include "fits/limit_file.h"

namespace fits {

namespace {

void PutU16(unsigned char* p, std::uint16_t v) {
    p[0] = static_cast<unsigned char>(v & 0xff);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void AppendF32(std::vector<unsigned char>& out, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(bits >> (8 * i)));
}

}  // namespace

std::vector<unsigned char> EncodeLimitFile(const std::vector<std::uint16_t>& bounds,
                                           const std::vector<std::string>& names,
                                           const std::vector<LimitRecord>& records) {
    if (bounds.size() < 2 || bounds.size() > static_cast<std::size_t>(kMaxBounds)) return {};
    if (names.size() > static_cast<std::size_t>(kMaxZones)) return {};
    if (records.size() != names.size() * (bounds.size() - 1)) return {};
    for (const std::string& name : names) {
        if (name.empty() || name.size() >= kNameSize) return {};
    }

    std::vector<unsigned char> out(kHeaderSize, 0);
    PutU16(&out[kBoundCountOffset], static_cast<std::uint16_t>(bounds.size()));
    for (std::size_t i = 0; i < bounds.size(); ++i) PutU16(&out[kBoundsOffset + 2 * i], bounds[i]);
    PutU16(&out[kZoneCountOffset], static_cast<std::uint16_t>(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i)
        std::memcpy(&out[kNamesOffset + i * kNameSize], names[i].data(), names[i].size());

    out.reserve(kHeaderSize + records.size() * kRecordSize);
    for (const LimitRecord& r : records) {
        AppendF32(out, r.upper);
        AppendF32(out, r.lower);
    }
    return out;
}

}  // namespace fits
