// The lookup on small data files written here, intact and damaged: which file a
// zone and size open, which range a size falls into, and what the caller gets
// back on every kind of failure.
#include "fits/limit_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "fits/limit_file_writer.h"

namespace {

using Bytes = std::vector<unsigned char>;
constexpr double kUntouched = 123.0;

// Serves in-memory files by name and counts opens and closes.
class FakeFiles final : public fits::LimitFile {
public:
    std::map<std::string, Bytes> files;
    std::vector<std::string> opened;
    int closes = 0;

    bool Open(const char* name) override {
        opened.push_back(name);
        auto it = files.find(name);
        if (it == files.end()) return false;
        source_ = fits::MemoryByteSource(it->second.data(), it->second.size());
        return true;
    }
    void Close() override { ++closes; }
    std::size_t Read(void* buffer, std::size_t size) override { return source_.Read(buffer, size); }
    bool Skip(std::uint32_t count) override { return source_.Skip(count); }

private:
    fits::MemoryByteSource source_{nullptr, 0};
};

// Record (z, r) holds upper = 100z + r + 1 and lower = -(100z + r + 1), so a
// result names the row and range it came from.
Bytes MakeFile(const std::vector<std::uint16_t>& bounds, const std::vector<std::string>& names) {
    std::vector<fits::LimitRecord> records;
    for (std::size_t z = 0; z < names.size(); ++z)
        for (std::size_t r = 0; r + 1 < bounds.size(); ++r) {
            const float v = static_cast<float>(100 * z + r + 1);
            records.push_back({v, -v});
        }
    return fits::EncodeLimitFile(bounds, names, records);
}

struct Result {
    int rc;
    double upper;
    double lower;
};

Result Lookup(FakeFiles& files, double size, const char* zone) {
    Result r{0, kUntouched, kUntouched};
    r.rc = fits::ReadLimitDeviationFrom(files, size, zone, &r.upper, &r.lower);
    return r;
}

// Record id (100z + r + 1) of a hit, 0 for a miss with zeroed outputs, -1 for anything else.
int RecordId(FakeFiles& files, double size, const char* zone) {
    const Result r = Lookup(files, size, zone);
    if (r.rc == 0 && r.upper == -r.lower) return static_cast<int>(std::lround(r.upper * 1000.0));
    return r.rc == -1 && r.upper == 0.0 && r.lower == 0.0 ? 0 : -1;
}

const char* const kSmall = "Englib\\ytoller";

// A size equal to a bound belongs to the range that ends there; the first bound
// itself and anything above the last are outside. For every table length.
TEST(LimitFile, SizeSelectsRangeEndingAtOrAboveIt) {
    for (int n = 2; n <= fits::kMaxBounds; ++n) {
        std::vector<std::uint16_t> bounds;
        for (int i = 0; i < n; ++i) bounds.push_back(static_cast<std::uint16_t>(10 * i));
        FakeFiles f;
        f.files[kSmall] = MakeFile(bounds, {"H7"});
        for (int k = 0; k < n; ++k) {
            const double b = bounds[k];
            EXPECT_EQ(RecordId(f, b, "H7"), k == 0 ? 0 : k) << "n=" << n << " at bound " << b;
            EXPECT_EQ(RecordId(f, b + 0.5, "H7"), k == n - 1 ? 0 : k + 1) << "n=" << n << " above bound " << b;
        }
        EXPECT_EQ(f.closes, 2 * n);
    }
}

TEST(LimitFile, FirstCharacterAndSizeChooseTheFile) {
    FakeFiles f;
    f.files["Englib\\ytoller"] = MakeFile({0, 500}, {"JS7", "Js7"});
    f.files["Englib\\xtoller"] = MakeFile({0, 500}, {"js7"});
    f.files["Englib\\ytoller2"] = MakeFile({500, 3150}, {"Js7"});
    f.files["Englib\\xtoller2"] = MakeFile({500, 560, 3150}, {"js7"});

    EXPECT_EQ(RecordId(f, 25, "JS7"), 1);
    EXPECT_EQ(RecordId(f, 25, "Js7"), 101) << "names compare case-sensitively";
    EXPECT_EQ(RecordId(f, 25, "js7"), 1);
    EXPECT_EQ(RecordId(f, 25, "jS7"), 0) << "lower-case first letter: shaft file, which lacks it";
    EXPECT_EQ(RecordId(f, 499.99, "js7"), 1);
    EXPECT_EQ(RecordId(f, 500, "js7"), 0) << "500 opens the large file and equals its first bound";
    EXPECT_EQ(RecordId(f, 3150, "Js7"), 1) << "3150 passes the size check";
    EXPECT_EQ(RecordId(f, 3150, "js7"), 2);
    const std::vector<std::string> expected = {"Englib\\ytoller",  "Englib\\ytoller", "Englib\\xtoller",
                                               "Englib\\xtoller",  "Englib\\xtoller", "Englib\\xtoller2",
                                               "Englib\\ytoller2", "Englib\\xtoller2"};
    EXPECT_EQ(f.opened, expected);
}

TEST(LimitFile, RejectedArgumentsLeaveOutputsOrZeroThem) {
    FakeFiles f;
    f.files[kSmall] = MakeFile({0, 500}, {"H7"});
    for (double size : {-0.001, -25.0, 3150.001, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
        const Result r = Lookup(f, size, "H7");
        EXPECT_TRUE(r.rc == -1 && r.upper == kUntouched && r.lower == kUntouched) << size;
    }
    const Result empty = Lookup(f, 25, "");
    EXPECT_TRUE(empty.rc == -1 && empty.upper == kUntouched && empty.lower == kUntouched);
    for (const char* zone : {"7H", " H7", "_h7", "\xB9\xAB"}) EXPECT_EQ(RecordId(f, 25, zone), 0) << zone;
    EXPECT_TRUE(f.opened.empty()) << "no file is opened for any of these";

    FakeFiles none;
    EXPECT_EQ(RecordId(none, 25, "H7"), 0) << "missing file";
    EXPECT_EQ(none.closes, 0);
}

TEST(LimitFile, DamagedFilesFailWithoutReadingPastThem) {
    const Bytes good = MakeFile({0, 6, 10}, {"H6", "H7"});
    FakeFiles f;

    f.files[kSmall] = Bytes(good.begin(), good.begin() + fits::kHeaderSize - 1);
    EXPECT_EQ(RecordId(f, 8, "H6"), 0) << "header one byte short";

    f.files[kSmall] = Bytes(good.begin(), good.end() - 1);
    EXPECT_EQ(RecordId(f, 8, "H7"), 0) << "last record one byte short";
    EXPECT_EQ(RecordId(f, 8, "H6"), 2) << "records before the cut still read";

    // A full table of 30 bounds: with a count of 31 the zone count behind the
    // table would be taken for a bound and the lookup would seem to work.
    std::vector<std::uint16_t> thirty;
    for (int i = 1; i <= fits::kMaxBounds; ++i) thirty.push_back(static_cast<std::uint16_t>(10 * i));
    const Bytes full = MakeFile(thirty, {"H6"});
    f.files[kSmall] = full;
    ASSERT_EQ(RecordId(f, 15, "H6"), 1);
    for (std::uint16_t n : {0, 1, 31, 0xffff}) {
        Bytes bad = full;
        bad[0] = static_cast<unsigned char>(n);
        bad[1] = static_cast<unsigned char>(n >> 8);
        f.files[kSmall] = bad;
        EXPECT_EQ(RecordId(f, 15, "H6"), 0) << "bound count " << n;
    }
    EXPECT_EQ(f.closes, static_cast<int>(f.opened.size())) << "every opened file is closed";
}

TEST(LimitFile, NameTableLimits) {
    std::vector<std::string> names;
    for (int i = 0; i < fits::kMaxZones; ++i) names.push_back("Z" + std::to_string(i));
    Bytes file = MakeFile({0, 10}, names);
    file[fits::kZoneCountOffset] = 0xff;  // zone count 65535
    file[fits::kZoneCountOffset + 1] = 0xff;
    FakeFiles f;
    f.files[kSmall] = file;
    EXPECT_EQ(RecordId(f, 5, "Z149"), 14901) << "the 150th name is still found";
    EXPECT_EQ(RecordId(f, 5, "Z150"), 0);

    // An entry filling all six bytes has no end; it must neither match nor run
    // into the entry after it.
    file = MakeFile({0, 10}, {"H7", "H8"});
    std::memcpy(&file[fits::kNamesOffset], "ABCDEF", 6);
    f.files[kSmall] = file;
    EXPECT_EQ(RecordId(f, 5, "ABCDEF"), 0);
    EXPECT_EQ(RecordId(f, 5, "ABCDEFH8"), 0);
    EXPECT_EQ(RecordId(f, 5, "H8"), 101);
    EXPECT_EQ(RecordId(f, 5, "H"), 0) << "a prefix of a name is not the name";
}

TEST(LimitFile, RecordValuesAndUndefinedRecords) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    FakeFiles f;
    f.files[kSmall] = fits::EncodeLimitFile({0, 3, 6}, {"K4", "T6"},
                                            {{0.5f, -3.5f}, {0.0f, -0.8f}, {nan, nan}, {41.0f, nan}});
    const Result k4 = Lookup(f, 1, "K4");
    EXPECT_EQ(k4.rc, 0);
    EXPECT_DOUBLE_EQ(k4.upper, 0.0005);
    EXPECT_DOUBLE_EQ(k4.lower, -0.0035);
    const Result k4b = Lookup(f, 4, "K4");
    EXPECT_EQ(k4b.rc, 0);
    EXPECT_EQ(k4b.upper, 0.0);
    EXPECT_EQ(k4b.lower, static_cast<double>(-0.8f) * 0.001);
    EXPECT_EQ(RecordId(f, 1, "T6"), 0) << "NaN record is a miss";
    EXPECT_EQ(RecordId(f, 4, "T6"), 0) << "one NaN field is enough";
}

}  // namespace
