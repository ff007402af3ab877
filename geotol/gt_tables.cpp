#include "geotol/gt_tables.h"

#include <array>
#include <cassert>
#include <cstring>
#include <string>

namespace geotol {
namespace {

constexpr Characteristic kCatalogue[kCharacteristicCount] = {
    {0, "\xd6\xb1\xcf\xdf\xb6\xc8", "zx", Group::Form, Table::Straightness},              // 直线度
    {1, "\xc6\xbd\xc3\xe6\xb6\xc8", "pm", Group::Form, Table::Straightness},              // 平面度
    {2, "\xd4\xb2\xb6\xc8", "y", Group::Form, Table::Roundness},                          // 圆度
    {3, "\xd4\xb2\xd6\xf9\xb6\xc8", "yz", Group::Form, Table::Roundness},                 // 圆柱度
    {4, "\xcf\xdf\xc2\xd6\xc0\xaa\xb6\xc8", "xlk", Group::Form, Table::None},             // 线轮廓度
    {5, "\xc3\xe6\xc2\xd6\xc0\xaa\xb6\xc8", "mlk", Group::Form, Table::None},             // 面轮廓度
    {6, "\xc6\xbd\xd0\xd0\xb6\xc8", "px", Group::Position, Table::Parallelism},           // 平行度
    {7, "\xb4\xb9\xd6\xb1\xb6\xc8", "cz", Group::Position, Table::Parallelism},           // 垂直度
    {8, "\xc7\xe3\xd0\xb1\xb6\xc8", "qx", Group::Position, Table::Parallelism},           // 倾斜度
    {9, "\xcd\xac\xd6\xe1\xb6\xc8", "tz", Group::Position, Table::Coaxiality},            // 同轴度
    {10, "\xb6\xd4\xb3\xc6\xb6\xc8", "dc", Group::Position, Table::Coaxiality},           // 对称度
    {11, "\xce\xbb\xd6\xc3\xb6\xc8", "wz", Group::Position, Table::None},                 // 位置度
    {12, "\xd4\xb2\xcc\xf8\xb6\xaf", "dtd", Group::Position, Table::Coaxiality},          // 圆跳动
    {13, "\xc8\xab\xcc\xf8\xb6\xaf", "qtd", Group::Position, Table::Coaxiality},          // 全跳动
};

constexpr char kGradesFrom1[12][kGradeSlot] = {"1", "2", "3", "4", "5", "6",
                                               "7", "8", "9", "10", "11", "12"};
constexpr char kGradesFrom0[13][kGradeSlot] = {"0", "1", "2", "3", "4",  "5", "6",
                                               "7", "8", "9", "10", "11", "12"};

// One size range of a GB/T 1184-1996 Annex B table: the main parameter range
// in the standard's notation and the values of grades in ascending order,
// converted from the standard's micrometres to millimetres.
template <int Grades>
struct RangeRow {
    const char* range;
    double mm[Grades];
};

// Table B.1, straightness and flatness, grades 1 to 12.
constexpr RangeRow<12> kStraightnessSource[16] = {
    {"<=10", {0.0002, 0.0004, 0.0008, 0.0012, 0.002, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.06}},
    {">10~16", {0.00025, 0.0005, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.08}},
    {">16~25", {0.0003, 0.0006, 0.0012, 0.002, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.1}},
    {">25~40", {0.0004, 0.0008, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.12}},
    {">40~63", {0.0005, 0.001, 0.002, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.15}},
    {">63~100", {0.0006, 0.0012, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.2}},
    {">100~160", {0.0008, 0.0015, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.25}},
    {">160~250", {0.001, 0.002, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.3}},
    {">250~400", {0.0012, 0.0025, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.4}},
    {">400~630", {0.0015, 0.003, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.5}},
    {">630~1000", {0.002, 0.004, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.6}},
    {">1000~1600", {0.0025, 0.005, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4, 0.8}},
    {">1600~2500", {0.003, 0.006, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.5, 1}},
    {">2500~4000", {0.004, 0.008, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4, 0.6, 1.2}},
    {">4000~6300", {0.005, 0.01, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.5, 0.8, 1.5}},
    {">6300~10000", {0.006, 0.012, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4, 0.6, 1, 2}},
};

// Table B.2, roundness and cylindricity, grades 0 to 12.
constexpr RangeRow<13> kRoundnessSource[13] = {
    {"<=3", {0.0001, 0.0002, 0.0003, 0.0005, 0.0008, 0.0012, 0.002, 0.003, 0.004, 0.006, 0.01, 0.014, 0.025}},
    {">3~6", {0.0001, 0.0002, 0.0004, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.005, 0.008, 0.012, 0.018, 0.03}},
    {">6~10", {0.00012, 0.00025, 0.0004, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.009, 0.015, 0.022, 0.036}},
    {">10~18", {0.00015, 0.00025, 0.0005, 0.0008, 0.0012, 0.002, 0.003, 0.005, 0.008, 0.011, 0.018, 0.027, 0.043}},
    {">18~30", {0.0002, 0.0003, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.009, 0.013, 0.021, 0.033, 0.052}},
    {">30~50", {0.00025, 0.0004, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.007, 0.011, 0.016, 0.025, 0.039, 0.062}},
    {">50~80", {0.0003, 0.0005, 0.0008, 0.0012, 0.002, 0.003, 0.005, 0.008, 0.013, 0.019, 0.03, 0.046, 0.074}},
    {">80~120", {0.0004, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.022, 0.035, 0.054, 0.087}},
    {">120~180", {0.0006, 0.001, 0.0012, 0.002, 0.0035, 0.005, 0.008, 0.012, 0.018, 0.025, 0.04, 0.063, 0.1}},
    {">180~250", {0.0008, 0.0012, 0.002, 0.003, 0.0045, 0.007, 0.01, 0.014, 0.02, 0.029, 0.046, 0.072, 0.115}},
    {">250~315", {0.001, 0.0016, 0.0025, 0.004, 0.006, 0.008, 0.012, 0.016, 0.023, 0.032, 0.052, 0.081, 0.13}},
    {">315~400", {0.0012, 0.002, 0.003, 0.005, 0.007, 0.009, 0.013, 0.018, 0.025, 0.036, 0.057, 0.089, 0.14}},
    {">400~500", {0.0015, 0.0025, 0.004, 0.006, 0.008, 0.01, 0.015, 0.02, 0.027, 0.04, 0.063, 0.097, 0.155}},
};

// Table B.3, parallelism, perpendicularity and angularity, grades 1 to 12.
constexpr RangeRow<12> kParallelismSource[16] = {
    {"<=10", {0.0004, 0.0008, 0.0015, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12}},
    {">10~16", {0.0005, 0.001, 0.002, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15}},
    {">16~25", {0.0006, 0.0012, 0.0025, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2}},
    {">25~40", {0.0008, 0.0015, 0.003, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25}},
    {">40~63", {0.001, 0.002, 0.004, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3}},
    {">63~100", {0.0012, 0.0025, 0.005, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4}},
    {">100~160", {0.0015, 0.003, 0.006, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.5}},
    {">160~250", {0.002, 0.004, 0.008, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4, 0.6}},
    {">250~400", {0.0025, 0.005, 0.01, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.5, 0.8}},
    {">400~630", {0.003, 0.006, 0.012, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4, 0.6, 1}},
    {">630~1000", {0.004, 0.008, 0.015, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.5, 0.8, 1.2}},
    {">1000~1600", {0.005, 0.01, 0.02, 0.04, 0.06, 0.1, 0.15, 0.25, 0.4, 0.6, 1, 1.5}},
    {">1600~2500", {0.006, 0.012, 0.025, 0.05, 0.08, 0.12, 0.2, 0.3, 0.5, 0.8, 1.2, 2}},
    {">2500~4000", {0.008, 0.015, 0.03, 0.06, 0.1, 0.15, 0.25, 0.4, 0.6, 1, 1.5, 2.5}},
    {">4000~6300", {0.01, 0.02, 0.04, 0.08, 0.12, 0.2, 0.3, 0.5, 0.8, 1.2, 2, 3}},
    {">6300~10000", {0.012, 0.025, 0.05, 0.1, 0.15, 0.25, 0.4, 0.6, 1, 1.5, 2.5, 4}},
};

// Table B.4, coaxiality, symmetry, circular and total run-out, grades 1 to 12.
constexpr RangeRow<12> kCoaxialitySource[17] = {
    {"<=1", {0.0004, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06}},
    {">1~3", {0.0004, 0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.02, 0.04, 0.06, 0.12}},
    {">3~6", {0.0005, 0.0008, 0.0012, 0.002, 0.003, 0.005, 0.008, 0.012, 0.025, 0.05, 0.08, 0.15}},
    {">6~10", {0.0006, 0.001, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.03, 0.06, 0.1, 0.2}},
    {">10~18", {0.0008, 0.0012, 0.002, 0.003, 0.005, 0.008, 0.012, 0.02, 0.04, 0.08, 0.12, 0.25}},
    {">18~30", {0.001, 0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.05, 0.1, 0.15, 0.3}},
    {">30~50", {0.0012, 0.002, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.06, 0.12, 0.2, 0.4}},
    {">50~120", {0.0015, 0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.08, 0.15, 0.25, 0.5}},
    {">120~250", {0.002, 0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.1, 0.2, 0.3, 0.6}},
    {">250~500", {0.0025, 0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.12, 0.25, 0.4, 0.8}},
    {">500~800", {0.003, 0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.15, 0.3, 0.5, 1}},
    {">800~1250", {0.004, 0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.2, 0.4, 0.6, 1.2}},
    {">1250~2000", {0.005, 0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.25, 0.5, 0.8, 1.5}},
    {">2000~3150", {0.006, 0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.3, 0.6, 1, 2}},
    {">3150~5000", {0.008, 0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.4, 0.8, 1.2, 2.5}},
    {">5000~8000", {0.01, 0.015, 0.025, 0.04, 0.06, 0.1, 0.15, 0.25, 0.5, 1, 1.5, 3}},
    {">8000~10000", {0.012, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.3, 0.6, 1.2, 2, 4}},
};

// The finest step in the standard is 0.01 um; counting in these steps lets the
// row texts be written exactly, without a round trip through printf.
constexpr long kStepsPerMm = 100000;

constexpr long Steps(double mm) { return static_cast<long>(mm * kStepsPerMm + 0.5); }

// Shortest decimal of a value: no exponent, no trailing zeros or point.
constexpr std::size_t WriteValue(char* out, double mm) {
    const long steps = Steps(mm);
    std::size_t n = 0;
    char whole[8] = {};
    std::size_t w = 0;
    for (long i = steps / kStepsPerMm; w == 0 || i != 0; i /= 10) whole[w++] = static_cast<char>('0' + i % 10);
    while (w != 0) out[n++] = whole[--w];
    long fraction = steps % kStepsPerMm;
    if (fraction != 0) {
        out[n++] = '.';
        for (long unit = kStepsPerMm / 10; fraction != 0; unit /= 10) {
            out[n++] = static_cast<char>('0' + fraction / unit);
            fraction %= unit;
        }
    }
    return n;
}

template <int Grades, int Ranges>
struct CompiledTable {
    std::array<const char*, Ranges> ranges{};
    std::array<double, Grades * Ranges> mm{};          // grade-major: [g * Ranges + r]
    std::array<ToleranceRow, Grades * Ranges> rows{};  // same order, the list box texts
};

// The range column is padded to 12 (13 in the coaxiality table) and each value
// to 6 (7 in grade 1 of the straightness table); a longer value is neither cut
// nor padded. These widths are not tidy, but they are the texts that earlier
// releases wrote into drawings, and the list boxes show them in a fixed font.
template <int Grades, int Ranges>
constexpr CompiledTable<Grades, Ranges> Compile(const RangeRow<Grades> (&source)[Ranges], std::size_t rangeWidth,
                                                std::size_t firstGradeValueWidth) {
    CompiledTable<Grades, Ranges> t;
    for (int r = 0; r < Ranges; ++r) t.ranges[r] = source[r].range;
    for (int g = 0; g < Grades; ++g) {
        const std::size_t valueWidth = g == 0 ? firstGradeValueWidth : 6;
        for (int r = 0; r < Ranges; ++r) {
            const std::size_t i = static_cast<std::size_t>(g * Ranges + r);
            t.mm[i] = source[r].mm[g];
            char* text = t.rows[i].text;
            std::size_t n = 0;
            for (const char* p = source[r].range; *p != '\0'; ++p) text[n++] = *p;
            while (n < rangeWidth) text[n++] = ' ';
            const std::size_t valueEnd = rangeWidth + WriteValue(text + rangeWidth, source[r].mm[g]);
            n = valueEnd;
            while (n < rangeWidth + valueWidth) text[n++] = ' ';
        }
    }
    return t;
}

// Grade 3, ">10~16" has always been listed as "0.001" without its padding
// space, and tolerance frames drawn from it carry exactly that text.
constexpr auto StraightnessWithUnpaddedRow() {
    auto t = Compile(kStraightnessSource, 12, 7);
    char* text = t.rows[2 * 16 + 1].text;
    for (std::size_t n = std::char_traits<char>::length(text); n != 0 && text[n - 1] == ' '; --n) text[n - 1] = '\0';
    return t;
}

constexpr auto kStraightness = StraightnessWithUnpaddedRow();
constexpr auto kRoundness = Compile(kRoundnessSource, 12, 6);
constexpr auto kParallelism = Compile(kParallelismSource, 12, 6);
constexpr auto kCoaxiality = Compile(kCoaxialitySource, 13, 6);

template <typename Compiled>
constexpr bool FitsSlots(const Compiled& t) {
    for (const ToleranceRow& row : t.rows)
        if (row.text[kRowSlot - 1] != '\0') return false;
    return true;
}
static_assert(FitsSlots(kStraightness) && FitsSlots(kRoundness) && FitsSlots(kParallelism) && FitsSlots(kCoaxiality),
              "a row text outgrows its host slot");

template <typename Compiled>
constexpr bool WholeSteps(const Compiled& t) {
    for (double mm : t.mm) {
        const double off = mm * kStepsPerMm - static_cast<double>(Steps(mm));
        if (off > 1e-6 || off < -1e-6) return false;
    }
    return true;
}
static_assert(WholeSteps(kStraightness) && WholeSteps(kRoundness) && WholeSteps(kParallelism) && WholeSteps(kCoaxiality),
              "a value is finer than 0.01 um and would be written rounded");

// What the accessors need of one table, whatever its dimensions.
struct TableView {
    int grades = 0;
    int ranges = 0;
    const char (*gradeTexts)[kGradeSlot] = nullptr;
    const char* const* rangeTexts = nullptr;
    const double* mm = nullptr;
    const ToleranceRow* rows = nullptr;

    bool Has(int gradeIndex, int row) const {
        return gradeIndex >= 0 && gradeIndex < grades && row >= 0 && row < ranges;
    }
    std::size_t Index(int gradeIndex, int row) const { return static_cast<std::size_t>(gradeIndex * ranges + row); }
};

template <int Grades, int Ranges>
TableView ViewOf(const CompiledTable<Grades, Ranges>& t, const char (*gradeTexts)[kGradeSlot]) {
    return {Grades, Ranges, gradeTexts, t.ranges.data(), t.mm.data(), t.rows.data()};
}

TableView View(Table table) {
    switch (table) {
    case Table::Straightness: return ViewOf(kStraightness, kGradesFrom1);
    case Table::Roundness: return ViewOf(kRoundness, kGradesFrom0);
    case Table::Parallelism: return ViewOf(kParallelism, kGradesFrom1);
    case Table::Coaxiality: return ViewOf(kCoaxiality, kGradesFrom1);
    case Table::None: break;
    }
    return {};
}

}  // namespace

const Characteristic& Catalogue(int number) {
    assert(number >= 0 && number < kCharacteristicCount);
    return kCatalogue[number];
}

int GradeCount(Table table) { return View(table).grades; }

const char* GradeText(Table table, int gradeIndex) {
    const TableView v = View(table);
    return gradeIndex >= 0 && gradeIndex < v.grades ? v.gradeTexts[gradeIndex] : "";
}

int RowCount(Table table) { return View(table).ranges; }

const char* RangeText(Table table, int row) {
    const TableView v = View(table);
    return v.Has(0, row) ? v.rangeTexts[row] : "";
}

double ValueMm(Table table, int gradeIndex, int row) {
    const TableView v = View(table);
    return v.Has(gradeIndex, row) ? v.mm[v.Index(gradeIndex, row)] : 0.0;
}

const char* RowText(Table table, int gradeIndex, int row) {
    const TableView v = View(table);
    return v.Has(gradeIndex, row) ? v.rows[v.Index(gradeIndex, row)].text : "";
}

const char* ValueText(Table table, int gradeIndex, int row) { return ValueTextOfRow(RowText(table, gradeIndex, row)); }

const char* ValueTextOfRow(const char* rowText) {
    if (rowText == nullptr || std::strlen(rowText) < kValueOffset) return "";
    return rowText + kValueOffset;
}

}  // namespace geotol
