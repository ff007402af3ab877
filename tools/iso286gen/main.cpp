// iso286gen <outdir>
//
// Writes the four limit deviation data files the module reads at run time:
//   <outdir>/xtoller   shaft zones, sizes 0 to 500 mm
//   <outdir>/ytoller   hole zones,  sizes 0 to 500 mm
//   <outdir>/xtoller2  shaft zones, sizes 500 to 3150 mm
//   <outdir>/ytoller2  hole zones,  sizes 500 to 3150 mm
// in the layout of fits/limit_file.h. Each file holds every zone the matching
// chart offers (fits/zone_classes.h), in the chart's spelling, with one record per
// size range computed by iso286.cpp from the ISO 286-1 tables and rules.
//
// Where ISO 286 defines no value for a zone in a range (t shafts up to 24 mm,
// v up to 14 mm, y up to 18 mm and the same holes), both fields of the record are
// a quiet NaN: the reader reports such a record as a miss and the chart shows the
// zone without deviations.
//
// a, b, A and B are defined by the standard for sizes over 1 mm only; the 0-3 mm
// range carries their values for that part of the range.
#include <cctype>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "fits/limit_file_writer.h"
#include "fits/zone_classes.h"
#include "iso286.h"

namespace {

struct DataFile {
    const char* name;
    fits::ChartPage page;
    fits::ChartSize size;
    std::vector<std::uint16_t> bounds;
};

const std::vector<std::uint16_t> kBoundsBelow500 = {0,   3,   6,   10,  14,  18,  24,  30,  40,
                                                    50,  65,  80,  100, 120, 140, 160, 180, 200,
                                                    225, 250, 280, 315, 355, 400, 450, 500};
const std::vector<std::uint16_t> kBoundsFrom500 = {500,  560,  630,  710,  800,  900,  1000, 1120, 1250,
                                                   1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};

bool SplitZone(const std::string& zone, std::string* letters, int* grade) {
    std::size_t i = 0;
    while (i < zone.size() && std::isalpha(static_cast<unsigned char>(zone[i]))) ++i;
    if (i == 0 || i == zone.size()) return false;
    *letters = zone.substr(0, i);
    *grade = std::stoi(zone.substr(i));
    return true;
}

bool Build(const DataFile& file, std::vector<unsigned char>* bytes) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::string> zones = fits::OfferedZones(file.page, file.size);
    std::vector<fits::LimitRecord> records;
    for (const std::string& zone : zones) {
        std::string letters;
        int grade = 0;
        if (!SplitZone(zone, &letters, &grade)) {
            std::fprintf(stderr, "iso286gen: cannot read zone name %s\n", zone.c_str());
            return false;
        }
        for (std::size_t r = 1; r < file.bounds.size(); ++r) {
            iso286::Limits limits;
            if (iso286::ZoneLimits(letters, grade, file.bounds[r], &limits))
                records.push_back({static_cast<float>(limits.upper), static_cast<float>(limits.lower)});
            else
                records.push_back({nan, nan});
        }
    }
    *bytes = fits::EncodeLimitFile(file.bounds, zones, records);
    if (bytes->empty()) {
        std::fprintf(stderr, "iso286gen: %s does not fit the data file layout\n", file.name);
        return false;
    }
    return true;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::perror(path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "iso286gen: writing %s failed\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: iso286gen <outdir>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const DataFile files[] = {
        {"xtoller", fits::ChartPage::Shaft, fits::ChartSize::Below500, kBoundsBelow500},
        {"ytoller", fits::ChartPage::Hole, fits::ChartSize::Below500, kBoundsBelow500},
        {"xtoller2", fits::ChartPage::Shaft, fits::ChartSize::From500To3150, kBoundsFrom500},
        {"ytoller2", fits::ChartPage::Hole, fits::ChartSize::From500To3150, kBoundsFrom500},
    };
    for (const DataFile& file : files) {
        std::vector<unsigned char> bytes;
        if (!Build(file, &bytes) || !WriteFile(dir + "/" + file.name, bytes)) return 1;
    }
    return 0;
}
