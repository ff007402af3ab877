// The lookup on small data files written here, intact and damaged: which file a
// zone and size open, which range a size falls into, and what the caller gets
// back on every kind of failure.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "fits/limit_file_writer.h"
#include "tests/native/memory_limit_files.h"

namespace {

using Bytes = std::vector<unsigned char>;
const char* const kSmall = "Englib\\ytoller";

// Record (z, r) holds upper = 100z + r + 1 and lower = -(100z + r + 1), so a
// result names the row and range it came from.
Bytes MakeFile(const std::vector<std::uint16_t>& bounds, const std::vector<std::string>& names) {
    std::vector<fits::LimitRecord> records;
    for (std::size_t z = 0; z < names.size(); ++z)
        for (std::size_t r = 0; r + 1 < bounds.size(); ++r)
            records.push_back({100.0f * z + r + 1, -100.0f * z - r - 1});
    return fits::EncodeLimitFile(bounds, names, records);
}

// Record id (100z + r + 1) of a hit, 0 for a miss with zeroed outputs, -1 for anything else.
int RecordId(MemoryLimitFiles& files, double size, const char* zone) {
    const auto r = files.LookUp(size, zone);
    if (r.rc == 0 && r.upper == -r.lower) return static_cast<int>(std::lround(r.upper * 1000.0));
    return r.rc == -1 && r.upper == 0.0 && r.lower == 0.0 ? 0 : -1;
}

// A size equal to a bound belongs to the range that ends there; the first bound
// itself and anything above the last are outside. For every table length.
TEST(LimitFile, SizeSelectsRangeEndingAtOrAboveIt) {
    for (int n = 2; n <= fits::kMaxBounds; ++n) {
        std::vector<std::uint16_t> bounds;
        for (int i = 0; i < n; ++i) bounds.push_back(static_cast<std::uint16_t>(10 * i));
        MemoryLimitFiles f;
        f.files[kSmall] = MakeFile(bounds, {"H7"});
        for (int k = 0; k < n; ++k) {
            EXPECT_EQ(RecordId(f, bounds[k], "H7"), k == 0 ? 0 : k) << "n=" << n << " at bound " << bounds[k];
            EXPECT_EQ(RecordId(f, bounds[k] + 0.5, "H7"), k == n - 1 ? 0 : k + 1)
                << "n=" << n << " above " << bounds[k];
        }
        EXPECT_EQ(f.closes, 2 * n);
    }
}

TEST(LimitFile, FirstCharacterAndSizeChooseTheFile) {
    MemoryLimitFiles f;
    f.files["Englib\\ytoller"] = MakeFile({0, 500}, {"JS7", "Js7"});
    f.files["Englib\\xtoller"] = MakeFile({0, 500}, {"js7"});
    f.files["Englib\\ytoller2"] = MakeFile({500, 3150}, {"Js7"});
    f.files["Englib\\xtoller2"] = MakeFile({500, 560, 3150}, {"js7"});
    for (auto [size, zone, id, file] :
         {std::tuple{25.0, "JS7", 1, "ytoller"}, {25.0, "Js7", 101, "ytoller"},  // names compare case-sensitively
          {25.0, "js7", 1, "xtoller"}, {25.0, "jS7", 0, "xtoller"},              // lower-case first letter: shafts
          {499.99, "js7", 1, "xtoller"}, {500.0, "js7", 0, "xtoller2"},  // 500 equals the large file's first bound
          {3150.0, "Js7", 1, "ytoller2"}, {3150.0, "js7", 2, "xtoller2"}}) {
        EXPECT_TRUE(RecordId(f, size, zone) == id && f.opened.back() == std::string("Englib\\") + file)
            << zone << " at " << size << ": record " << RecordId(f, size, zone) << " from " << f.opened.back();
    }
}

TEST(LimitFile, RejectedArgumentsLeaveOutputsOrZeroThem) {
    MemoryLimitFiles f;
    f.files[kSmall] = MakeFile({0, 500}, {"H7"});
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (auto [size, zone] :
         {std::pair{-0.001, "H7"}, {-25.0, "H7"}, {3150.001, "H7"}, {nan, "H7"}, {inf, "H7"}, {25.0, ""}}) {
        const auto r = f.LookUp(size, zone);
        EXPECT_TRUE(r.rc == -1 && r.upper == f.kUntouched && r.lower == f.kUntouched) << size;
    }
    for (const char* zone : {"7H", " H7", "_h7", "\xB9\xAB"}) EXPECT_EQ(RecordId(f, 25, zone), 0) << zone;
    EXPECT_TRUE(f.opened.empty()) << "no file is opened for any of these";

    MemoryLimitFiles none;
    EXPECT_TRUE(RecordId(none, 25, "H7") == 0 && none.closes == 0) << "missing file";
}

TEST(LimitFile, DamagedFilesFailWithoutReadingPastThem) {
    const Bytes good = MakeFile({0, 6, 10}, {"H6", "H7"});
    MemoryLimitFiles f;
    f.files[kSmall] = Bytes(good.begin(), good.begin() + fits::kHeaderSize - 1);
    EXPECT_EQ(RecordId(f, 8, "H6"), 0) << "header one byte short";
    f.files[kSmall] = Bytes(good.begin(), good.end() - 1);
    EXPECT_TRUE(RecordId(f, 8, "H7") == 0 && RecordId(f, 8, "H6") == 2) << "last record one byte short";

    // A full table of 30 bounds: with a count of 31 the zone count behind the
    // table would be taken for a bound and the lookup would seem to work.
    std::vector<std::uint16_t> thirty;
    for (int i = 1; i <= fits::kMaxBounds; ++i) thirty.push_back(static_cast<std::uint16_t>(10 * i));
    const Bytes full = MakeFile(thirty, {"H6"});
    f.files[kSmall] = full;
    ASSERT_EQ(RecordId(f, 15, "H6"), 1);
    for (std::uint16_t n : {0, 1, 31, 0xffff}) {
        f.files[kSmall] = full;
        f.files[kSmall][0] = static_cast<unsigned char>(n);
        f.files[kSmall][1] = static_cast<unsigned char>(n >> 8);
        EXPECT_EQ(RecordId(f, 15, "H6"), 0) << "bound count " << n;
    }
    EXPECT_EQ(f.closes, static_cast<int>(f.opened.size())) << "every opened file is closed";
}

TEST(LimitFile, NameTableLimitsAndUndefinedRecords) {
    std::vector<std::string> names;
    for (int i = 0; i < fits::kMaxZones; ++i) names.push_back("Z" + std::to_string(i));
    MemoryLimitFiles f;
    f.files[kSmall] = MakeFile({0, 10}, names);
    f.files[kSmall][fits::kZoneCountOffset] = f.files[kSmall][fits::kZoneCountOffset + 1] = 0xff;  // 65535 zones
    EXPECT_EQ(RecordId(f, 5, "Z149"), 14901) << "the 150th name is still found";

    // An entry filling all six bytes has no end; it must neither match nor run
    // into the entry after it. A prefix of a name is not the name.
    f.files[kSmall] = MakeFile({0, 10}, {"H7", "H8"});
    std::memcpy(&f.files[kSmall][fits::kNamesOffset], "ABCDEF", 6);
    for (auto [zone, id] : {std::pair{"ABCDEF", 0}, {"ABCDEFH8", 0}, {"H8", 101}, {"H", 0}})
        EXPECT_EQ(RecordId(f, 5, zone), id) << zone;

    // A NaN in either field marks a zone undefined in that range: a miss.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    f.files[kSmall] = fits::EncodeLimitFile({0, 3, 6}, {"T6"}, {{nan, nan}, {41.0f, nan}});
    EXPECT_TRUE(RecordId(f, 1, "T6") == 0 && RecordId(f, 4, "T6") == 0) << "one NaN field is enough";
}

}  // namespace
