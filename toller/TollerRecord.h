// The host's dimension-and-tolerance record, shared with hosts that link against the module.
//
// Byte offsets are the contract with the host; the record holds no pointers, so the 32- and
// 64-bit builds share the layout. Texts are GBK, NUL-terminated within their 40-byte fields;
// the module writes at most 39 bytes and the NUL and leaves the bytes after the NUL as they
// were. The host allocates 332 bytes (its 4-byte alignment); the module reads and writes only
// the first 329 and never touches the three bytes after bTheory.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TollerRecord {
    char szPrefix[40];           // 0    edit 211, text before the value
    char szValue[40];            // 40   edit 212, the dimension value as text
    char szZone[40];             // 80   edit 213, tolerance zone such as H7
    char szUpper[40];            // 120  edit 214, upper deviation (one trailing ")" dropped on open)
    char szLower[40];            // 160  edit 215, lower deviation (the same)
    char szHoleZone[40];         // 200  edit 216, hole zone of a fit
    char szShaftZone[40];        // 240  edit 217, shaft zone of a fit
    char szSuffix[40];           // 280  edit 218, text after the value
    std::uint32_t nFlags;        // 320  mode bits (toller_rules.h); 0x01, 0x40, 0x80 are the host's
    std::uint8_t nInputMode;     // 324  4 zone, 8 deviations, 2 fit
    std::uint8_t nDisplayMode;   // 325  0x10 zone, 0x20 deviations, 0x30 zone with deviations
    std::uint8_t bKeepPrefix;    // 326  check box 1169
    std::uint8_t bKeepStyle;     // 327  check box 2001
    std::uint8_t bTheory;        // 328  check box 2002: written on OK, never read
};
#pragma pack(pop)

// What the module reads and writes, and what the host allocates.
inline constexpr std::size_t kTollerRecordBytes = 329;
inline constexpr std::size_t kTollerRecordHostBytes = 332;
inline constexpr std::size_t kTollerTextBytes = 40;

static_assert(sizeof(TollerRecord) == kTollerRecordBytes, "TollerRecord uses 329 bytes");
static_assert((sizeof(TollerRecord) + 3) / 4 * 4 == kTollerRecordHostBytes,
              "the host's 4-byte alignment makes it 332");
static_assert(offsetof(TollerRecord, szValue) == 40 && offsetof(TollerRecord, szZone) == 80 &&
                  offsetof(TollerRecord, szUpper) == 120 && offsetof(TollerRecord, szLower) == 160 &&
                  offsetof(TollerRecord, szHoleZone) == 200 && offsetof(TollerRecord, szShaftZone) == 240 &&
                  offsetof(TollerRecord, szSuffix) == 280 && offsetof(TollerRecord, nFlags) == 320 &&
                  offsetof(TollerRecord, nInputMode) == 324 && offsetof(TollerRecord, nDisplayMode) == 325 &&
                  offsetof(TollerRecord, bKeepPrefix) == 326 && offsetof(TollerRecord, bKeepStyle) == 327 &&
                  offsetof(TollerRecord, bTheory) == 328,
              "TollerRecord offsets");
