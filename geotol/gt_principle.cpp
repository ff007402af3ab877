#include "geotol/gt_principle.h"

#include "framework/gbk.h"

namespace geotol {
namespace {

constexpr char kLetters[kPrincipleCount] = {'E', 'M', 'P', 'N', 'L'};

// Longest text from which a letter is taken off by dropping the last character; anything
// longer is cut to kCutText bytes instead.
constexpr std::size_t kDropLastUpTo = 34;
constexpr std::size_t kCutText = 33;

void CutTo(std::string& text, std::size_t maxBytes) {
    text.resize(gbk::CutLength(text.data(), text.size(), maxBytes));
}

bool Odd(int counter) { return counter % 2 != 0; }

}  // namespace

char PrincipleLetter(int principle) {
    return principle >= 0 && principle < kPrincipleCount ? kLetters[principle] : 0;
}

int PrincipleOfLetter(char letter) {
    for (int i = 0; i < kPrincipleCount; ++i)
        if (letter != 0 && kLetters[i] == letter) return i;
    return -1;
}

PrincipleToggle TogglePrinciple(PrincipleState& state, int principle, const std::string& text) {
    PrincipleToggle result;
    result.text = text;
    CutTo(result.text, kToleranceTextBytes);
    if (principle < 0 || principle >= kPrincipleCount) return result;

    if (state.letter != 0 && !result.text.empty()) {
        const std::size_t n = result.text.size();
        CutTo(result.text, n > kDropLastUpTo ? kCutText : n - 1);
    }

    const bool on = !Odd(state.counters[principle]);
    for (int i = 0; i < kPrincipleCount; ++i) {
        if (i == principle)
            result.buttons[i] = on ? ButtonCheck::Check : ButtonCheck::Uncheck;
        else
            result.buttons[i] = Odd(state.counters[i]) ? ButtonCheck::Uncheck : ButtonCheck::Keep;
    }
    state.letter = on ? kLetters[principle] : 0;
    for (int i = 0; i < kPrincipleCount; ++i)
        state.counters[i] = i == principle ? state.counters[i] + 1 : 0;

    if (state.letter != 0) {
        CutTo(result.text, kToleranceTextBytes - 1);
        result.text += state.letter;
    }
    return result;
}

int RestorePrinciple(PrincipleState& state, const std::string& text) {
    if (text.empty()) return -1;
    // The last character is single-byte only if cutting one byte ends on a boundary.
    const std::size_t n = text.size();
    if (gbk::CutLength(text.data(), n, n - 1) != n - 1) return -1;
    const int principle = PrincipleOfLetter(text.back());
    if (principle < 0) return -1;
    state.letter = text.back();
    state.counters[principle] = 1;
    return principle;
}

int DropPrinciple(PrincipleState& state) {
    const int principle = PrincipleOfLetter(state.letter);
    if (principle < 0) return -1;
    state.counters[principle] -= 1;
    state.letter = 0;
    return principle;
}

std::string ComposeTolerance(const std::string& valueText, const PrincipleState& state) {
    std::string text = valueText;
    if (state.letter != 0) {
        CutTo(text, kToleranceTextBytes - 1);
        text += state.letter;
    } else {
        CutTo(text, kToleranceTextBytes);
    }
    return text;
}

}  // namespace geotol
