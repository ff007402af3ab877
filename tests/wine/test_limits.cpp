// ReadLimitDeviation as the chart pages call it, on the Englib files generated
// into bin/ beside this program: values from all four files, the failure results,
// where the files are looked for, and that no lookup keeps a file open.
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

// Values from all four files and the failure results; the native tests check
// every published value, this the module's own entry on Windows file handles.
void Lookups() {
    Scenario s("lookups");
    const double U = kUntouched;
    struct Case {
        double size;
        const char* zone;
        int rc;
        double upperUm, lowerUm;
    } cases[] = {
        {25, "H7", 0, 21, 0},         {25, "js7", 0, 10, -10},   {300, "M6", 0, -9, -41},
        {450, "Z6", 0, -1087, -1127}, {500.5, "D11", 0, 700, 260}, {3150, "g6", 0, -38, -173},
        {25, "", -1, U, U},           {-25, "H7", -1, U, U},     {std::nan(""), "H7", -1, U, U},
        {25, "7H", -1, 0, 0},         {25, "JS7", -1, 0, 0},     {20, "t6", -1, 0, 0},
        {500, "h6", -1, 0, 0},  // 500 opens xtoller2 and equals its first bound
    };
    for (const Case& c : cases) {
        const Lookup r = Read(c.size, c.zone);
        const double upper = r.upper == U ? U : r.upper * 1000, lower = r.lower == U ? U : r.lower * 1000;
        ok(r.rc == c.rc && std::fabs(upper - c.upperUm) < 1e-4 && std::fabs(lower - c.lowerUm) < 1e-4,
           "\"%s\" at %g: rc %d, %g/%g um; expected rc %d, %g/%g um", c.zone, c.size, r.rc, upper, lower, c.rc,
           c.upperUm, c.lowerUm);
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
    for (int i = 0; i < 20; ++i) {
        // Hits, an unknown name, a NaN record, a size outside the bounds.
        for (const char* zone : {"H7", "h7", "Q7", "T6"}) Read(20, zone);
        for (const char* zone : {"D9", "d9", "A11"}) Read(i % 2 ? 600 : 500, zone);
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
    Lookups();
    FileLocationAndSharing();
    NoFileLeftOpen();
    MissingDataDirectory();
    return Summary("test_limits");
}
