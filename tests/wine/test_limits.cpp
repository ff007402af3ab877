// ReadLimitDeviation as the chart pages call it, on the Englib files generated
// into bin/ beside this program: the module's file handles reading all four
// files, where the files are looked for, and that no lookup keeps a file open.
// The lookup rules themselves are checked natively.
#include <cmath>
#include <string>
#include <tuple>

#include "fits/limit_deviation.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

std::wstring EnglibPath(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe = path;
    return exe.substr(0, exe.rfind(L'\\') + 1) + L"Englib\\" + name;
}

// Hits in all four files, near both ends of their data, and misses after the
// header (unknown name, size outside the bounds) and after the record (NaN);
// then each file can be opened without sharing, so every path closed it.
void LookupsLeaveNoFileOpen() {
    Scenario s("lookups");
    for (auto [size, zone, want, upperUm, lowerUm] :
         {std::tuple{25.0, "H7", 0, 21.0, 0.0}, {450.0, "Z6", 0, -1087.0, -1127.0}, {25.0, "js7", 0, 10.0, -10.0},
          {500.5, "D11", 0, 700.0, 260.0}, {3150.0, "g6", 0, -38.0, -173.0}, {25.0, "JS7", -1, 0.0, 0.0},
          {500.0, "h6", -1, 0.0, 0.0},  // 500 opens xtoller2 and equals its first bound
          {20.0, "t6", -1, 0.0, 0.0}}) {
        double upper = 123, lower = 123;
        const int rc = ReadLimitDeviation(size, zone, &upper, &lower);
        ok(rc == want && std::fabs(upper * 1000 - upperUm) < 1e-4 && std::fabs(lower * 1000 - lowerUm) < 1e-4,
           "\"%s\" at %g: rc %d, %g/%g mm; expected rc %d, %g/%g um", zone, size, rc, upper, lower, want, upperUm,
           lowerUm);
    }
    for (const wchar_t* name : {L"xtoller", L"ytoller", L"xtoller2", L"ytoller2"}) {
        HANDLE h = CreateFileW(EnglibPath(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ok(h != INVALID_HANDLE_VALUE, "exclusive open of %ls: error %lu", name, GetLastError());
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }

    // The files are found beside the executable, whatever the current directory; a lookup
    // still works while another program holds a file open for writing, and fails with zeroed
    // outputs while the file is missing.
    double upper = 123, lower = 123;
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    SetCurrentDirectoryW(L"C:\\");
    ok(ReadLimitDeviation(25, "H7", &upper, &lower) == 0, "lookup from another current directory");
    SetCurrentDirectoryW(cwd);

    const std::wstring ytoller = EnglibPath(L"ytoller"), away = ytoller + L".away";
    HANDLE writer = CreateFileW(ytoller.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ok(writer != INVALID_HANDLE_VALUE, "opening ytoller for writing: error %lu", GetLastError());
    ok(ReadLimitDeviation(25, "H7", &upper, &lower) == 0, "lookup while ytoller is open for writing");
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);

    ok(MoveFileW(ytoller.c_str(), away.c_str()), "moving ytoller away: error %lu", GetLastError());
    const int rc = ReadLimitDeviation(25, "H7", &upper, &lower);
    ok(rc == -1 && upper == 0 && lower == 0, "lookup without ytoller: rc %d, %g/%g", rc, upper, lower);
    ok(MoveFileW(away.c_str(), ytoller.c_str()), "moving ytoller back: error %lu", GetLastError());
}

}  // namespace

int main() {
    LookupsLeaveNoFileOpen();
    return Summary("test_limits");
}
