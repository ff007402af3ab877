// The tolerance-principle toggle rule, shared by every geometric tolerance dialog: the form and
// position dialogs and both combined dialogs.
//
// Five buttons E, M, P, 0M and L act as mutually exclusive toggles on the tolerance text: the
// checked one's letter ends the text, clicking it again takes the letter off, clicking another
// swaps the letter. The dialogs do not look at the text to know which letter is there; they
// keep a click counter per button (its parity is the button's checked state) and the active
// letter, and the rule below works on exactly that state. The combined dialogs keep the
// counters in module-level storage and the letter in a 20-byte record field; the form and
// position dialogs keep both as members. PrincipleToggleGroup moves the state between those
// places and this plain struct.
//
// Texts are GBK bytes. The host's tolerance buffers hold at most 63 bytes and the NUL.
#pragma once

#include <cstddef>
#include <string>

namespace geotol {

inline constexpr int kPrincipleCount = 5;

// Button order of the group; also the order of the counters.
enum Principle : int { kPrincipleE, kPrincipleM, kPrincipleP, kPrinciple0M, kPrincipleL };

// The letter a principle appends: 'E', 'M', 'P', 'N' (the 0M principle) or 'L'; 0 for an
// index outside the group.
char PrincipleLetter(int principle);

// The principle whose letter this is, or -1.
int PrincipleOfLetter(char letter);

// Longest tolerance text the dialogs produce, in bytes, without the NUL.
inline constexpr std::size_t kToleranceTextBytes = 63;

struct PrincipleState {
    int counters[kPrincipleCount] = {};  // clicks on a button since another one was clicked
    char letter = 0;                     // the active letter, 0 when none
};

enum class ButtonCheck : unsigned char { Keep, Check, Uncheck };

struct PrincipleToggle {
    std::string text;                                    // the new tolerance text
    ButtonCheck buttons[kPrincipleCount] = {};           // what happens to each button
};

// A click on `principle`'s button with `text` in the tolerance edit.
//  - With a letter active, the text loses its last character (whatever the user typed after the
//    letter goes instead of it); a text longer than 34 bytes is cut to 33 instead.
//  - An even counter checks the button and makes its letter active, an odd one unchecks it and
//    clears the letter; every other button with an odd counter is unchecked.
//  - The button's counter goes up by one, the other four go to 0.
//  - The active letter, if any, is appended.
// Cuts never split a double-byte character, and the result fits kToleranceTextBytes (a text
// already that long loses its end so that the letter still shows). An index outside the group
// changes nothing.
PrincipleToggle TogglePrinciple(PrincipleState& state, int principle, const std::string& text);

// At opening: a text whose last character is one of the five letters makes that letter active
// and its counter 1. Returns the principle whose button is to be checked, or -1 (no change).
// Only a single-byte last character counts: the trail byte of a double-byte character can
// have the value of a letter.
int RestorePrinciple(PrincipleState& state, const std::string& text);

// A change of characteristic switches the active principle off: its counter goes down by one
// and the letter is cleared. Returns the principle whose button is to be unchecked, or -1.
int DropPrinciple(PrincipleState& state);

// The text after a main-parameter pick: the row's value text followed by the active letter.
std::string ComposeTolerance(const std::string& valueText, const PrincipleState& state);

}  // namespace geotol
