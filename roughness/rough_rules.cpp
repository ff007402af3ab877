#include "roughness/rough_rules.h"

#include <cstdio>
#include <cstdlib>

namespace rough {

signed char NextShape(signed char shape, int button) {
    const bool knee = shape >= 10;
    switch (button) {
    case kBtnBasic:
        return knee ? 10 : 0;
    case kBtnRemoval:
        return knee ? 11 : 1;
    case kBtnNoRemoval:
        return knee ? 12 : 2;
    case kBtnKnee:
        // Codes near the ends of the signed byte wrap as the byte does.
        return static_cast<signed char>(knee ? shape - 10 : shape + 10);
    default:
        return shape;
    }
}

PreviewParts PreviewFor(signed char shape) {
    PreviewParts p{};
    p.bar = shape == 1 || shape == 11;
    p.innerCircle = !p.bar && (shape == 2 || shape == 12);
    p.kneeCircle = shape >= 10;
    return p;
}

void AdjustA2(int button, std::string& comboText, std::string& saved) {
    if (button == kBtnNoRemoval) {
        if (saved.empty()) saved = comboText;
        comboText.clear();
    } else if (!saved.empty()) {
        comboText = saved;
        saved.clear();
    }
}

const char* const kRoughnessValues[kRoughnessValueCount] = {
    "200", "100", "50", "25", "12.5", "6.3", "3.2", "1.6", "0.8", "0.4", "0.2", "0.1", "0.05"};

const float kSizes[kSizeCount] = {0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f, 5.5f,
                                  6.0f, 6.5f, 7.0f, 8.0f, 9.0f, 10.0f, 12.0f, 14.0f, 17.0f, 20.0f};

std::string ListSizeText(float size) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(size));
    return buf;
}

std::string SizeText(float size) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(size));
    return buf;
}

int MatchSize(float size) {
    for (std::size_t i = 0; i < kSizeCount; ++i)
        if (kSizes[i] == size) return static_cast<int>(i);
    return -1;
}

float ParseSize(const std::string& text) { return static_cast<float>(std::atof(text.c_str())); }

const char* const kLayNames[kLayCount] = {
    "\xBF\xD5",  // 空 (none)
    "\xA3\xBD",  // ＝
    "\xA1\xCD",  // ⊥
    "\xA3\xD8",  // Ｘ
    "\xA3\xCD",  // Ｍ
    "\xA3\xC3",  // Ｃ
    "\xA3\xD2",  // Ｒ
    "\xA3\xD0",  // Ｐ
};

const char* LayText(int index) {
    if (index <= 0 || index >= kLayCount) return "";
    return kLayNames[index];
}

int LayIndexOf(const std::string& d) {
    for (int i = 1; i < kLayCount; ++i)
        if (d == kLayNames[i]) return i;
    return 0;
}

}  // namespace rough
