// Opening and closing speed of every dialog of the module, next to the system's font dialog
// opened in the same process: the median time from the call to the end of the dialog's first
// paint, and from OK to the call's return, over 50 opens each, and in brackets its ratio to
// the font dialog's.
//
// The first completed paint is seen through a WH_GETMESSAGE hook on the calling thread: the
// first message retrieved after the dialog's first WM_PAINT means that paint was dispatched.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "bench/bench_clock.h"
#include "tests/wine/export_calls.h"

namespace {

struct Run {
    HANDLE painted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool sawPaint = false;
    double start = 0, paintDone = 0, okPosted = 0;
    HWND dialog = nullptr;
};
Run* g_run;

bool IsDialog(HWND hwnd) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    return wcscmp(cls, L"#32770") == 0;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && wParam == PM_REMOVE && g_run && !g_run->paintDone) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (g_run->sawPaint) {
            g_run->paintDone = NowMs();
            SetEvent(g_run->painted);
        } else if (msg->message == WM_PAINT && msg->hwnd && IsDialog(msg->hwnd)) {
            g_run->sawPaint = true;
            // A page of a sheet may paint first: OK goes to its top-level dialog.
            g_run->dialog = GetAncestor(msg->hwnd, GA_ROOT);
            // Make sure another message follows the paint even on an idle queue.
            PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI PressOk(LPVOID) {
    if (WaitForSingleObject(g_run->painted, 10000) != WAIT_OBJECT_0) return 1;
    g_run->okPosted = NowMs();
    PostMessageW(g_run->dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Dialog {
    const char* name;
    std::function<void()> open;
    std::vector<double> toPaint{}, toReturn{};
};

// One opening: the call until the first paint is through, then OK until the call returns.
void MeasureOnce(Dialog& d) {
    Run run;
    g_run = &run;
    HANDLE script = CreateThread(nullptr, 0, PressOk, nullptr, 0, nullptr);
    run.start = NowMs();
    d.open();
    const double end = NowMs();
    WaitForSingleObject(script, 10000);
    CloseHandle(script);
    CloseHandle(run.painted);
    g_run = nullptr;
    if (run.paintDone && run.okPosted) {
        d.toPaint.push_back(run.paintDone - run.start);
        d.toReturn.push_back(end - run.okPosted);
    }
}


}  // namespace

int main() {
    HMODULE module = LoadLibraryW(L"TQDim.dll");
    const auto exports = winetest::EveryExport(module, nullptr);
    if (exports.empty()) {
        std::printf("TQDim.dll or one of its exports not available\n");
        return 1;
    }
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());

    static unsigned char host[0x1000];  // the host's data, zeroed before each call
    std::vector<Dialog> dialogs = {{"ChooseFontW (baseline)", [] {
        LOGFONTW lf{};
        lf.lfHeight = -15;
        wcscpy(lf.lfFaceName, L"SimSun");
        CHOOSEFONTW cf{};
        cf.lStructSize = sizeof cf;
        cf.lpLogFont = &lf;
        cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
        ChooseFontW(&cf);
    }}};
    for (const winetest::ExportCall& e : exports) dialogs.push_back({e.name, [&e] { e.call(host, false); }});
    // Round robin, so that a change of the machine's load during the run weighs on every
    // dialog alike and the ratios stay comparable.
    constexpr int kOpens = 50;
    for (int i = 0; i < kOpens; ++i) {
        for (Dialog& d : dialogs) {
            std::memset(host, 0, sizeof host);
            MeasureOnce(d);
        }
    }
    const double fontOpen = Median(dialogs[0].toPaint), fontClose = Median(dialogs[0].toReturn);
    for (const Dialog& d : dialogs) {
        const double open = Median(d.toPaint), close = Median(d.toReturn);
        std::printf("%-22s opens measured %2zu/%d   call -> first paint %7.2f ms (%.2fx)   OK -> return %7.2f ms "
                    "(%.2fx)\n",
                    d.name, d.toPaint.size(), kOpens, open, fontOpen > 0 ? open / fontOpen : 0.0, close,
                    fontClose > 0 ? close / fontClose : 0.0);
    }
    UnhookWindowsHookEx(hook);
    return 0;
}
