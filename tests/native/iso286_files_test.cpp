// The generated Englib files, read back the way the module reads them, against
// the published ISO 286-2 / GB/T 1800.2 limit deviations in data/iso286, and
// checked for shape: the zones each chart offers, NaN records exactly where the
// standard has no value, deviations that grow with size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fits/zone_classes.h"
#include "tests/native/memory_limit_files.h"

namespace {

using fits::ChartPage;
using fits::ChartSize;

const char* const kFiles[] = {"xtoller", "ytoller", "xtoller2", "ytoller2"};

MemoryLimitFiles& Englib() {
    static MemoryLimitFiles englib = [] {
        MemoryLimitFiles f;
        for (const char* name : kFiles) {
            std::ifstream in(std::string(TQ_BIN_DIR) + "/Englib/" + name, std::ios::binary);
            f.files[std::string("Englib\\") + name].assign(std::istreambuf_iterator<char>(in), {});
        }
        return f;
    }();
    return englib;
}

TEST(Iso286Files, EveryPublishedValueReadsBack) {
    int checked = 0;
    for (const char* csv : {"shafts_to_500.csv", "holes_to_500.csv", "shafts_500_to_3150.csv", "holes_500_to_3150.csv"}) {
        std::ifstream in(std::string(TQ_ISO286_DIR) + "/" + csv);
        ASSERT_TRUE(in) << csv;
        in.ignore(1000, '\n');  // zone,over_mm,up_to_mm,upper_um,lower_um
        for (std::string zone, over, upTo, upper, lower; std::getline(in, zone, ',') && std::getline(in, over, ',') &&
                                                         std::getline(in, upTo, ',') && std::getline(in, upper, ',') &&
                                                         std::getline(in, lower);) {
            // Inside the range and on its closing bound; 500 itself is sent to the large-size
            // file, where it equals the first bound and finds nothing.
            for (double size : {(std::stod(over) + std::stod(upTo)) / 2, upTo == "500" ? -1 : std::stod(upTo)}) {
                if (size < 0) continue;
                const auto r = Englib().LookUp(size, zone.c_str());
                ++checked;
                const double up = upper.empty() ? 0 : std::stod(upper), low = upper.empty() ? 0 : std::stod(lower);
                EXPECT_TRUE(r.rc == (upper.empty() ? -1 : 0) && std::fabs(r.upper * 1000 - up) < 1e-4 &&
                            std::fabs(r.lower * 1000 - low) < 1e-4)
                    << zone << " at " << size << ": " << r.rc << " " << r.upper << "/" << r.lower << " mm";
            }
        }
    }
    EXPECT_EQ(checked, 2 * 1880 - 26);  // 1880 published rows, 26 of them ending at 500
}

// Each file, decoded here independently of the module's reader (the build
// machine is little-endian like the file; its size ranges are the ones the
// lookups above found): exactly its chart's zones; NaN in both fields exactly where ISO 286-1 gives no
// fundamental deviation, and no zero stored as -0, which the charts would print
// as "-0". Between the sample's ranges a mistyped fundamental deviation usually
// breaks the standard's growth with size: for shafts and for holes A..H the
// deviation that places the zone never shrinks as the size grows (holes J..Z do
// not follow: their delta jumps between ranges).
TEST(Iso286Files, EachFileHoldsItsChartsZonesInShape) {
    for (const std::string name : kFiles) {
        SCOPED_TRACE(name);
        const std::vector<unsigned char>& b = Englib().files["Englib\\" + name];
        const bool shaft = name[0] == 'x';
        ASSERT_GE(b.size(), fits::kHeaderSize);
        auto u16 = [&](std::size_t at) { return b[at] | b[at + 1] << 8; };
        std::vector<int> bounds;
        std::vector<std::string> names;
        for (int i = 0; i < u16(0); ++i) bounds.push_back(u16(2 + 2 * i));
        for (int i = 0; i < u16(62); ++i) names.emplace_back(std::string(&b[64 + 6 * i], &b[70 + 6 * i]).c_str());
        auto sorted = [](std::vector<std::string> v) { return std::sort(v.begin(), v.end()), v; };
        const ChartSize size = name.back() == '2' ? ChartSize::From500To3150 : ChartSize::Below500;
        EXPECT_EQ(sorted(names), sorted(fits::OfferedZones(shaft ? ChartPage::Shaft : ChartPage::Hole, size)));
        const std::size_t ranges = bounds.size() - 1;
        ASSERT_EQ(b.size(), fits::kHeaderSize + names.size() * ranges * 8);

        for (std::size_t z = 0; z < names.size(); ++z) {
            const char letter = names[z][0];
            const int placing = shaft && letter <= 'h' ? 0 : 1;  // field holding the fundamental deviation
            const bool grows = names[z][1] != 's' && (shaft || letter <= 'H');  // not js/Js
            float previous = 0;
            for (std::size_t r = 0; r < ranges; ++r) {
                float v[2];
                std::memcpy(v, &b[fits::kHeaderSize + (z * ranges + r) * 8], sizeof v);
                const int upTo = bounds[r + 1];
                const char l = static_cast<char>(std::tolower(letter));
                const bool silent = (l == 't' && upTo <= 24) || (l == 'v' && upTo <= 14) || (l == 'y' && upTo <= 18);
                for (float f : v)
                    EXPECT_TRUE(std::isnan(f) == silent && !(f == 0 && std::signbit(f)))
                        << names[z] << " up to " << upTo;
                if (!grows || std::isnan(v[placing])) continue;
                EXPECT_GE(std::fabs(v[placing]), previous) << names[z] << " up to " << upTo;
                previous = std::fabs(v[placing]);
            }
        }
    }
}

}  // namespace
