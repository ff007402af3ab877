#include "toller/toller_rules.h"

#include <cstdlib>
#include <cstring>

#include "framework/gbk.h"
#include "res/toller_res.h"

namespace toller {

namespace {

std::uint8_t DisplayOfRadio(int radio) {
    switch (radio) {
    case IDC_TOLLER_SHOW_DEVIATION: return kShowDeviation;
    case IDC_TOLLER_SHOW_BOTH: return kShowBoth;
    default: return kShowZone;
    }
}

}  // namespace

Mode OpeningMode(std::uint32_t flags, std::uint8_t displayIn) {
    const bool showZone = (flags & kShowZone) != 0;
    const bool showDeviation = (flags & kShowDeviation) != 0;
    if (flags & kFlagZone) {
        Mode m{kInputZone, displayIn, IDC_TOLLER_INPUT_ZONE, IDC_TOLLER_SHOW_ZONE};
        if (showZone && showDeviation) {
            m.display = kShowBoth;
            m.displayRadio = IDC_TOLLER_SHOW_BOTH;
        } else if (showDeviation) {
            m.display = kShowDeviation;
            m.displayRadio = IDC_TOLLER_SHOW_DEVIATION;
        } else if (showZone) {
            m.display = kShowZone;
        }
        return m;
    }
    if (flags & kFlagDeviation) {
        if (showZone && showDeviation)
            return {kInputDeviation, kShowBoth, IDC_TOLLER_INPUT_DEVIATION, IDC_TOLLER_SHOW_BOTH};
        return {kInputDeviation, kShowDeviation, IDC_TOLLER_INPUT_DEVIATION, IDC_TOLLER_SHOW_ZONE};
    }
    return {kInputFit, kShowDeviation, IDC_TOLLER_INPUT_FIT, IDC_TOLLER_SHOW_ZONE};
}

Mode SwitchInput(const Mode& mode, int inputRadio) {
    Mode m = mode;
    switch (inputRadio) {
    case IDC_TOLLER_INPUT_ZONE:
        m.input = kInputZone;
        m.display = DisplayOfRadio(m.displayRadio);
        break;
    case IDC_TOLLER_INPUT_DEVIATION:
        m.input = kInputDeviation;
        if (m.display == kShowZone) m.display = kShowDeviation;
        break;
    case IDC_TOLLER_INPUT_FIT:
        m.input = kInputFit;
        m.display = kShowDeviation;
        break;
    default:
        return m;
    }
    m.inputRadio = inputRadio;
    return m;
}

Mode SwitchDisplay(const Mode& mode, int displayRadio) {
    if (displayRadio < IDC_TOLLER_SHOW_ZONE || displayRadio > IDC_TOLLER_SHOW_BOTH) return mode;
    Mode m = mode;
    m.displayRadio = displayRadio;
    m.display = DisplayOfRadio(displayRadio);
    return m;
}

const int kModeControls[kModeControlCount] = {
    IDC_TOLLER_ZONE,        IDC_TOLLER_UPPER,        IDC_TOLLER_LOWER,         IDC_TOLLER_HOLE,
    IDC_TOLLER_SHAFT,       IDC_TOLLER_LABEL_ZONE,   IDC_TOLLER_LABEL_UPPER,   IDC_TOLLER_LABEL_LOWER,
    IDC_TOLLER_LABEL_HOLE,  IDC_TOLLER_LABEL_SHAFT,  IDC_TOLLER_ZONE_SHEET,    IDC_TOLLER_FIT_SHEET,
    IDC_TOLLER_SHOW_ZONE,   IDC_TOLLER_SHOW_DEVIATION, IDC_TOLLER_SHOW_BOTH,
};

bool EnabledIn(std::uint8_t input, int id) {
    switch (id) {
    case IDC_TOLLER_ZONE:
    case IDC_TOLLER_LABEL_ZONE:
    case IDC_TOLLER_ZONE_SHEET:
    case IDC_TOLLER_SHOW_ZONE:
    case IDC_TOLLER_SHOW_DEVIATION:
    case IDC_TOLLER_SHOW_BOTH:
        return input == kInputZone;
    case IDC_TOLLER_UPPER:
    case IDC_TOLLER_LOWER:
    case IDC_TOLLER_LABEL_UPPER:
    case IDC_TOLLER_LABEL_LOWER:
        return input == kInputDeviation;
    case IDC_TOLLER_HOLE:
    case IDC_TOLLER_SHAFT:
    case IDC_TOLLER_LABEL_HOLE:
    case IDC_TOLLER_LABEL_SHAFT:
    case IDC_TOLLER_FIT_SHEET:
        return input == kInputFit;
    default:
        return true;
    }
}

std::uint32_t FlagsOnOk(std::uint32_t previous, std::uint8_t input, std::uint8_t display) {
    return (static_cast<std::uint32_t>(input) & 0xCF) | display | (previous & kHostBits);
}

void DropClosingParen(char (&field)[kTollerTextBytes]) {
    // A GBK trail byte is never below 0x40, so a ")" at the end is always a character of its own.
    const std::size_t n = gbk::FieldLength(field, sizeof field);
    if (n > 0 && field[n - 1] == ')') field[n - 1] = 0;
}

const TextField kTextFields[kTextFieldCount] = {
    {IDC_TOLLER_PREFIX, &TollerRecord::szPrefix},     {IDC_TOLLER_SUFFIX, &TollerRecord::szSuffix},
    {IDC_TOLLER_VALUE, &TollerRecord::szValue},       {IDC_TOLLER_ZONE, &TollerRecord::szZone},
    {IDC_TOLLER_UPPER, &TollerRecord::szUpper},       {IDC_TOLLER_LOWER, &TollerRecord::szLower},
    {IDC_TOLLER_HOLE, &TollerRecord::szHoleZone},     {IDC_TOLLER_SHAFT, &TollerRecord::szShaftZone},
};

namespace {

// The eight texts (each read no further than its field, written with at most 39 bytes and the
// NUL), nFlags and the bytes 324..327.
void CopyReadFields(const TollerRecord& from, TollerRecord& to) {
    for (const TextField& t : kTextFields)
        gbk::ToField(to.*t.field, kTollerTextBytes, gbk::FromField(from.*t.field, kTollerTextBytes));
    to.nFlags = from.nFlags;
    to.nInputMode = from.nInputMode;
    to.nDisplayMode = from.nDisplayMode;
    to.bKeepPrefix = from.bKeepPrefix;
    to.bKeepStyle = from.bKeepStyle;
}

}  // namespace

void LoadRecord(const TollerRecord& host, TollerRecord& copy) {
    std::memset(&copy, 0, sizeof copy);
    CopyReadFields(host, copy);
}

void StoreRecord(const TollerRecord& copy, TollerRecord& host) {
    CopyReadFields(copy, host);
    host.bTheory = copy.bTheory;
}

double BasicSize(const TollerRecord& copy) {
    return std::atof(gbk::FromField(copy.szValue, kTollerTextBytes).c_str());
}

}  // namespace toller
