// ReadLimitDeviation as the chart pages call it, on the Englib files generated
// into bin/ beside this program: values from both size ranges, the failure
// results, where the files are looked for, and that no lookup keeps a file open.
#include <cmath>
#include <string>

#include "fits/limit_deviation.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

const double kUntouched = 123.0;

struct Lookup {
    int rc;
    double upper;
    double lower;
};

Lookup Read(double size, const char* zone) {
    Lookup r{0, kUntouched, kUntouched};
    r.rc = ReadLimitDeviation(size, zone, &r.upper, &r.lower);
    return r;
}

std::wstring ExeDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir = path;
    return dir.substr(0, dir.rfind(L'\\') + 1);
}

void PublishedValues() {
    Scenario s("published values");
    struct Case {
        double size;
        const char* zone;
        double upperUm, lowerUm;
    } cases[] = {
        {25, "H7", 21, 0},          {25, "g6", -7, -20},      {25, "js7", 10, -10},  {25, "Js7", 10, -10},
        {0.5, "h6", 0, -6},         {5, "K4", 0.5, -3.5},     {300, "M6", -9, -41},  {10, "N7", -4, -19},
        {499.9, "y8", 1097, 1000},  {450, "Z6", -1087, -1127},  // -ei + delta (13)
        // From 500 mm on the "2" files.
        {500.5, "D11", 700, 260},   {800, "H7", 80, 0},       {1300, "js6", 39, -39}, {3150, "g6", -38, -173},
        {2000, "u7", 2150, 2000},   {1100, "Js7", 52, -52},
    };
    for (const Case& c : cases) {
        const Lookup r = Read(c.size, c.zone);
        ok(r.rc == 0, "%s at %g: rc %d", c.zone, c.size, r.rc);
        ok(std::fabs(r.upper * 1000 - c.upperUm) < 1e-4 && std::fabs(r.lower * 1000 - c.lowerUm) < 1e-4,
           "%s at %g: got %+g/%+g mm, expected %+g/%+g um", c.zone, c.size, r.upper, r.lower, c.upperUm, c.lowerUm);
    }
}

void Failures() {
    Scenario s("failures");
    struct Case {
        double size;
        const char* zone;
        bool zeroed;  // outputs set to 0.0 (else left untouched)
        const char* why;
    } cases[] = {
        {25, "", false, "empty zone"},
        {-25, "H7", false, "negative size"},
        {3150.5, "H7", false, "above 3150"},
        {std::nan(""), "H7", false, "NaN size"},
        {25, "7H", true, "zone not starting with a letter"},
        {25, "JS7", true, "JS7 is not a chart name (Js7 is)"},
        {20, "t6", true, "t6 has no value up to 24 mm"},
        {10, "v5", true, "v5 has no value up to 14 mm"},
        {500, "h6", true, "500 opens xtoller2 and equals its first bound"},
        {0, "H7", true, "0 equals the first bound"},
        {800, "a11", true, "a11 is not offered from 500 mm"},
    };
    for (const Case& c : cases) {
        const Lookup r = Read(c.size, c.zone);
        ok(r.rc == -1, "%s: rc %d", c.why, r.rc);
        const double expected = c.zeroed ? 0.0 : kUntouched;
        ok(r.upper == expected && r.lower == expected, "%s: outputs %g/%g", c.why, r.upper, r.lower);
    }
}

// The files are found beside the executable, whatever the current directory, and
// a lookup still works while another program holds a file open for writing.
void FileLocationAndSharing() {
    Scenario s("file location");
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    SetCurrentDirectoryW(L"C:\\");
    ok(Read(25, "H7").rc == 0, "lookup from another current directory");
    SetCurrentDirectoryW(cwd);

    const std::wstring ytoller = ExeDirectory() + L"Englib\\ytoller";
    HANDLE writer = CreateFileW(ytoller.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ok(writer != INVALID_HANDLE_VALUE, "opening ytoller for writing: error %lu", GetLastError());
    ok(Read(25, "H7").rc == 0, "lookup while ytoller is open for writing");
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
}

// Every path that opens a file closes it: after hits and misses in all four files,
// each one can be opened without sharing.
void NoFileLeftOpen() {
    Scenario s("handles");
    for (int i = 0; i < 50; ++i) {
        Read(25, "H7");
        Read(25, "h7");
        Read(25, "Q7");       // unknown name in ytoller
        Read(20, "T6");       // NaN record
        Read(600, "D9");
        Read(600, "d9");
        Read(3150.0, "A11");  // not in ytoller2
    }
    for (const wchar_t* name : {L"xtoller", L"ytoller", L"xtoller2", L"ytoller2"}) {
        const std::wstring path = ExeDirectory() + L"Englib\\" + name;
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ok(h != INVALID_HANDLE_VALUE, "exclusive open of %ls: error %lu", name, GetLastError());
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
}

// Run from a copy of this program in a directory without Englib, every lookup
// fails with zeroed outputs.
int ProbeWithoutData() {
    const Lookup r = Read(25, "H7");
    return r.rc == -1 && r.upper == 0.0 && r.lower == 0.0 ? 0 : 1;
}

void MissingDataDirectory() {
    Scenario s("no Englib");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring dir = std::wstring(temp) + L"tq_limits_probe\\";
    const std::wstring copy = dir + L"test_limits.exe";
    CreateDirectoryW(dir.c_str(), nullptr);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ok(CopyFileW(self, copy.c_str(), FALSE), "copying the program: error %lu", GetLastError());

    std::wstring command = L"\"" + copy + L"\" --probe-without-data";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    DWORD code = 99;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 30000);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    ok(code == 0, "lookup beside a program without Englib: probe exit code %lu", code);
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--probe-without-data") return ProbeWithoutData();
    PublishedValues();
    Failures();
    FileLocationAndSharing();
    NoFileLeftOpen();
    MissingDataDirectory();
    return Summary("test_limits");
}
