// A small CAD-host stand-in: loads TQDim.dll like the drafting program does, keeps the host's
// records, opens the module's dialogs on sample records and shows each record before and after.
//
//   demo_host.exe               a host window with one button per dialog (needs a screen)
//   demo_host.exe --auto DIR    opens every dialog in turn, saves a screenshot of each as
//                               DIR/<name>.bmp, confirms it with OK, prints the records
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "demo/demo_cases.h"

namespace {

HMODULE g_module;
HWND g_log;

void Log(const std::string& utf8) {
    std::printf("%s", utf8.c_str());
    std::fflush(stdout);
    if (!g_log) return;
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    const int n = MultiByteToWideChar(CP_UTF8, 0, crlf.c_str(), -1, nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, crlf.c_str(), -1, w.data(), n);
    const int end = GetWindowTextLengthW(g_log);
    SendMessageW(g_log, EM_SETSEL, end, end);
    SendMessageW(g_log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(w.c_str()));
}

void RunCase(demo::Case& c) {
    Log("== " + c.name + " ==\nbefore:\n" + c.describe() + "\n");
    const std::string result = c.open(g_module);
    Log("result: " + result + "\nafter:\n" + c.describe() + "\n\n");
}

// Saves a rectangle of the screen as a 24-bit BMP.
bool SaveRect(const RECT& rc, const std::string& path) {
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * h),
                        0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    bool saved = false;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, 1, static_cast<size_t>(stride) * h, f);
        std::fclose(f);
        saved = true;
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return saved;
}

// Saves the whole dialog window (caption included).
bool SaveWindow(HWND hwnd, const std::string& path) {
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return SaveRect(rc, path);
}

std::string g_shotDir;  // --auto only

struct AutoCtx {
    DWORD mainThread;
    std::string dir;
    demo::Case* current;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (wcscmp(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Finds the dialog the main thread opened, lets the case script it, takes the screenshot and
// confirms with OK. Bounded: a dialog that never appears is reported, not waited for forever.
DWORD WINAPI AutoScript(LPVOID p) {
    auto* ctx = static_cast<AutoCtx*>(p);
    HWND dlg = nullptr;
    for (int i = 0; i < 2000 && !dlg; ++i) {
        EnumThreadWindows(ctx->mainThread, FindDialog, reinterpret_cast<LPARAM>(&dlg));
        if (!dlg) Sleep(5);
    }
    if (!dlg) {
        std::printf("dialog of %s did not appear\n", ctx->current->name.c_str());
        return 1;
    }
    Sleep(200);  // let the first paint settle before the picture is taken
    if (ctx->current->script) ctx->current->script(dlg);
    const std::string path = ctx->dir + "\\" + ctx->current->name + ".bmp";
    if (SaveWindow(dlg, path)) std::printf("screenshot: %s\n", path.c_str());
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

int RunAuto(const std::string& dir) {
    CreateDirectoryA(dir.c_str(), nullptr);
    g_shotDir = dir;
    std::vector<demo::Case> cases = demo::AllCases();
    for (demo::Case& c : cases) {
        AutoCtx ctx{GetCurrentThreadId(), dir, &c};
        HANDLE script = CreateThread(nullptr, 0, AutoScript, &ctx, 0, nullptr);
        RunCase(c);
        WaitForSingleObject(script, 30000);
        CloseHandle(script);
    }
    return 0;
}

std::vector<demo::Case>* g_cases;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int index = LOWORD(wParam) - 100;
        if (index >= 0 && index < static_cast<int>(g_cases->size())) RunCase((*g_cases)[index]);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int RunInteractive() {
    std::vector<demo::Case> cases = demo::AllCases();
    g_cases = &cases;
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TQDimDemoHost";
    RegisterClassW(&wc);
    HWND frame = CreateWindowW(wc.lpszClassName, L"TQDim demo host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               40, 40, 760, 560, nullptr, nullptr, wc.hInstance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (size_t i = 0; i < cases.size(); ++i) {
        const int n = MultiByteToWideChar(CP_UTF8, 0, cases[i].title.c_str(), -1, nullptr, 0);
        std::wstring title(n, L'\0');
        MultiByteToWideChar(CP_UTF8, 0, cases[i].title.c_str(), -1, title.data(), n);
        HWND b = CreateWindowW(L"BUTTON", title.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10,
                               10 + static_cast<int>(i) * 30, 150, 26, frame,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), wc.hInstance, nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    g_log = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                          170, 10, 570, 510, frame, nullptr, wc.hInstance, nullptr);
    SendMessageW(g_log, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

void demo::Screenshot(const RECT& screenRect, const std::string& name) {
    const std::string path = g_shotDir + "\\" + name + ".bmp";
    if (!g_shotDir.empty() && SaveRect(screenRect, path)) std::printf("screenshot: %s\n", path.c_str());
}

void demo::Screenshot(HWND window, const std::string& name) {
    const std::string path = g_shotDir + "\\" + name + ".bmp";
    if (!g_shotDir.empty() && SaveWindow(window, path)) std::printf("screenshot: %s\n", path.c_str());
}

int main(int argc, char** argv) {
    g_module = LoadLibraryW(L"TQDim.dll");
    if (!g_module) {
        std::printf("cannot load TQDim.dll (error %lu)\n", GetLastError());
        return 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "--auto") == 0) return RunAuto(argv[2]);
    return RunInteractive();
}
