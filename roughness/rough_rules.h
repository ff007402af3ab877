// Rules of the roughness symbol dialog that need no window: shape codes and what the preview
// draws for them, the value and size lists, size matching and formatting, the lay symbols, and
// how the a2 text is set aside while the symbol forbids material removal.
#pragma once

#include <cstddef>
#include <string>

namespace rough {

// Shape buttons (control ids of the template).
enum ShapeButton : int { kBtnBasic = 108, kBtnRemoval = 109, kBtnNoRemoval = 110, kBtnKnee = 111 };

// Shape code after a press of `button`; units digit = symbol, +10 = circle at the knee.
signed char NextShape(signed char shape, int button);

// What the preview paints for a shape code. Codes outside the documented set paint by the same
// rules: the bar only for 1 and 11, the inner circle only for 2 and 12, the knee circle for
// every code of 10 and more.
struct PreviewParts {
    bool bar;
    bool innerCircle;
    bool kneeCircle;
};
PreviewParts PreviewFor(signed char shape);

// 0 and 5 open as a new symbol (texts not loaded); 5 is stored as 1.
inline bool IsNewShape(signed char shape) { return shape == 0 || shape == 5; }

// The a2 text set aside while the shape is "material removal not allowed". Called before the
// shape changes; `comboText` is the a2 combo's edit text and may be changed.
void AdjustA2(int button, std::string& comboText, std::string& saved);

// Roughness height values, in list order (combos a1 and a2).
constexpr std::size_t kRoughnessValueCount = 13;
extern const char* const kRoughnessValues[kRoughnessValueCount];

// Text and symbol sizes, in list order.
constexpr std::size_t kSizeCount = 21;
extern const float kSizes[kSizeCount];

std::string ListSizeText(float size);  // "%.1f": "0.5", "1.0", ..., "20.0"
std::string SizeText(float size);      // "%g": a stored size not in the list
int MatchSize(float size);             // list index of an exact 32-bit match, or -1
float ParseSize(const std::string& text);  // leading decimal number, 0 if none

// Lay symbols (GBK). Index 0 stands for "no lay symbol" and stores an empty text.
constexpr int kLayCount = 8;
extern const char* const kLayNames[kLayCount];
const char* LayText(int index);          // text stored in the record and shown on the button
int LayIndexOf(const std::string& d);    // index of a stored lay text, 0 if none matches

// Record texts are written with at most this many bytes, then the NUL.
constexpr std::size_t kTextBytes = 14;

}  // namespace rough
