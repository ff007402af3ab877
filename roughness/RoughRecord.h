// The host's roughness record, shared with hosts that link against the module.
#pragma once

#include <cstddef>
#include <cstdint>

// The host's roughness record. Byte offsets are the contract with the host; texts are GBK and
// NUL-terminated within their fields, and the dialog writes at most 14 bytes plus the NUL.
#pragma pack(push, 1)
struct RoughRecord {
    char a1[33];               // 0   roughness height value a1
    char a2[33];               // 33  roughness height value a2
    char b[33];                // 66  machining method, coating or other
    char c[33];                // 99  sampling length
    char d[33];                // 132 lay symbol text, or empty
    char e[33];                // 165 machining allowance, or 其余 / 所有
    signed char shape;         // 198 shape code (units digit symbol, +10 knee circle; 5 = new)
    char unused;               // 199
    std::int32_t rest;         // 200 check box 其余 (hidden), inverted on each click
    std::int32_t fixedPoint;   // 204 check box 固定点, 0 at opening
    std::int32_t hideFixedPoint;  // 208 nonzero hides 固定点
    float textSize;            // 212
    float symbolSize;          // 216
};
#pragma pack(pop)
static_assert(sizeof(RoughRecord) == 220, "RoughRecord is 220 bytes");
static_assert(offsetof(RoughRecord, shape) == 198 && offsetof(RoughRecord, rest) == 200 &&
                  offsetof(RoughRecord, textSize) == 212 && offsetof(RoughRecord, symbolSize) == 216,
              "RoughRecord offsets");
