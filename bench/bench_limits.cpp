// Lookups per second of ReadLimitDeviation next to the floor any lookup of this
// file layout pays: CreateFileW, a 964-byte read, a relative seek, an 8-byte read
// and CloseHandle on the same file. Rounds of the two alternate and the best round
// of each is reported, so a burst of system noise does not decide the ratio.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fits/limit_deviation.h"

namespace {

constexpr int kRounds = 7;
constexpr int kPerRound = 3000;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

template <class Fn>
double Rate(Fn&& fn) {
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < kPerRound; ++i) fn();
    QueryPerformanceCounter(&t1);
    return kPerRound / Seconds(t0, t1);
}

std::wstring DataFile(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir = path;
    return dir.substr(0, dir.rfind(L'\\') + 1) + L"Englib\\" + name;
}

// Distance from the end of the header to the record of zone for range r.
LONG RecordOffset(const std::wstring& file, const char* zone, int range) {
    unsigned char header[964] = {};
    DWORD got = 0;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    ReadFile(h, header, sizeof header, &got, nullptr);
    CloseHandle(h);
    const int n = header[0] | header[1] << 8;
    const int m = header[62] | header[63] << 8;
    for (int z = 0; z < m && z < 150; ++z)
        if (std::strncmp(reinterpret_cast<const char*>(header + 64 + 6 * z), zone, 6) == 0)
            return static_cast<LONG>(((n - 1) * z + range) * 8);
    return -1;
}

bool Floor(const std::wstring& file, LONG offset) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    unsigned char header[964];
    unsigned char record[8];
    DWORD got = 0;
    bool ok = ReadFile(h, header, sizeof header, &got, nullptr) && got == sizeof header;
    ok = ok && SetFilePointer(h, offset, nullptr, FILE_CURRENT) != INVALID_SET_FILE_POINTER;
    ok = ok && ReadFile(h, record, sizeof record, &got, nullptr) && got == sizeof record;
    CloseHandle(h);
    return ok;
}

}  // namespace

int main() {
    // H7 at 25 mm: range 6 (over 24 up to 30) of ytoller.
    const std::wstring file = DataFile(L"ytoller");
    const LONG offset = RecordOffset(file, "H7", 6);
    double upper = 0, lower = 0;
    if (offset < 0 || ReadLimitDeviation(25.0, "H7", &upper, &lower) != 0 || !Floor(file, offset)) {
        std::printf("bench_limits: Englib\\ytoller beside the program is missing or lacks H7\n");
        return 1;
    }

    double bestLookup = 0, bestFloor = 0;
    bool allFound = true;
    for (int round = 0; round < kRounds; ++round) {
        const double lookup = Rate([&] { allFound &= ReadLimitDeviation(25.0, "H7", &upper, &lower) == 0; });
        const double floor = Rate([&] { allFound &= Floor(file, offset); });
        if (lookup > bestLookup) bestLookup = lookup;
        if (floor > bestFloor) bestFloor = floor;
    }
    std::printf("%-44s %10.0f /s\n", "ReadLimitDeviation(25, \"H7\")", bestLookup);
    std::printf("%-44s %10.0f /s\n", "floor: open, read 964, seek, read 8, close", bestFloor);
    std::printf("%-44s %10.2f\n", "ratio lookup / floor", bestLookup / bestFloor);
    if (!allFound) std::printf("bench_limits: some calls failed\n");
    return allFound ? 0 : 1;
}
