// Rules of the dimension and tolerance dialog that need no window: how the record's flag word
// chooses the input mode at the opening, what each input mode enables, how the display mode
// follows the radios, the flag word written back on OK, and how the record's texts cross into
// the dialog and back.
#pragma once

#include <cstdint>
#include <string>

#include "toller/TollerRecord.h"

namespace toller {

// Input modes (nInputMode), as the host codes them.
inline constexpr std::uint8_t kInputFit = 2;
inline constexpr std::uint8_t kInputZone = 4;
inline constexpr std::uint8_t kInputDeviation = 8;

// Display modes (nDisplayMode): zone, deviations, zone followed by the deviations.
inline constexpr std::uint8_t kShowZone = 0x10;
inline constexpr std::uint8_t kShowDeviation = 0x20;
inline constexpr std::uint8_t kShowBoth = 0x30;

// Bits of nFlags the dialog reads, and the host's own bits that OK keeps.
inline constexpr std::uint32_t kFlagZone = 0x04;
inline constexpr std::uint32_t kFlagDeviation = 0x08;
inline constexpr std::uint32_t kHostBits = 0xC1;  // 0x01, 0x40, 0x80

// The input and display choice while the dialog runs. displayRadio is the display radio that
// shows checked (224..226); in deviation and fit input it need not match `display`.
struct Mode {
    std::uint8_t input;
    std::uint8_t display;
    int inputRadio;
    int displayRadio;
};

// The mode the dialog opens in: nFlags tested for 0x04, then 0x08, else fit input. Only zone
// input with neither display bit keeps the display mode the host passed in.
Mode OpeningMode(std::uint32_t flags, std::uint8_t displayIn);

// A click on an input radio (220..222). Zone input takes the display from the checked display
// radio; deviation input turns "zone" into "deviations" and keeps any other display mode; fit
// input always shows the deviations. Other ids leave the mode as it was.
Mode SwitchInput(const Mode& mode, int inputRadio);

// A click on a display radio (224..226).
Mode SwitchDisplay(const Mode& mode, int displayRadio);

// The controls whose enable state the input mode decides; every other control stays enabled.
inline constexpr int kModeControlCount = 15;
extern const int kModeControls[kModeControlCount];
bool EnabledIn(std::uint8_t input, int controlId);

// nFlags written on OK: the input mode without its display bits, the display mode and the
// host's bits of the previous word; nothing from 0x100 up.
std::uint32_t FlagsOnOk(std::uint32_t previous, std::uint8_t input, std::uint8_t display);

// Drops one trailing ")" from a deviation text (the host closes "(+0.021" that way).
void DropClosingParen(char (&field)[kTollerTextBytes]);

// The eight texts: control id and field, in the order OK reads them.
struct TextField {
    int controlId;
    char (TollerRecord::*field)[kTollerTextBytes];
};
inline constexpr int kTextFieldCount = 8;
extern const TextField kTextFields[kTextFieldCount];

// The export's copies. In: each text read no further than its field and cut to 39 bytes on a
// character boundary, nFlags and the bytes 324..327; bTheory starts at 0. Out: the eight texts
// up to their NUL (bytes after it stay as the host had them), nFlags and the bytes 324..328;
// nothing beyond byte 328.
void LoadRecord(const TollerRecord& host, TollerRecord& copy);
void StoreRecord(const TollerRecord& copy, TollerRecord& host);

// The basic size the sheets get: what atof reads from the value text as the host passed it
// (0 for no number). The sheets take its absolute value.
double BasicSize(const TollerRecord& copy);

}  // namespace toller
