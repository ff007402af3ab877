// Opening and closing speed of the roughness dialog, next to the system's font dialog opened in
// the same process: the median time from the call to the end of the dialog's first paint, and
// from OK to the call's return, over 50 opens each.
//
// The first completed paint is seen through a WH_GETMESSAGE hook on the calling thread: the
// first message retrieved after the dialog's first WM_PAINT means that paint was dispatched.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

LARGE_INTEGER g_freq;
double Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(g_freq.QuadPart);
}

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
            g_run->paintDone = Now();
            SetEvent(g_run->painted);
        } else if (msg->message == WM_PAINT && msg->hwnd && IsDialog(msg->hwnd)) {
            g_run->sawPaint = true;
            g_run->dialog = msg->hwnd;
            // Make sure another message follows the paint even on an idle queue.
            PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI PressOk(LPVOID) {
    if (WaitForSingleObject(g_run->painted, 10000) != WAIT_OBJECT_0) return 1;
    g_run->okPosted = Now();
    PostMessageW(g_run->dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

template <class Open>
void Measure(const char* name, Open open, double* openMedian, double* closeMedian) {
    std::vector<double> toPaint, toReturn;
    for (int i = 0; i < 50; ++i) {
        Run run;
        g_run = &run;
        HANDLE script = CreateThread(nullptr, 0, PressOk, nullptr, 0, nullptr);
        run.start = Now();
        open();
        const double end = Now();
        WaitForSingleObject(script, 10000);
        CloseHandle(script);
        CloseHandle(run.painted);
        g_run = nullptr;
        if (run.paintDone && run.okPosted) {
            toPaint.push_back(run.paintDone - run.start);
            toReturn.push_back(end - run.okPosted);
        }
    }
    *openMedian = Median(toPaint);
    *closeMedian = Median(toReturn);
    std::printf("%-22s opens measured %2zu/50   call -> first paint %7.2f ms   OK -> return %7.2f ms\n", name,
                toPaint.size(), *openMedian, *closeMedian);
}

}  // namespace

int main() {
    QueryPerformanceFrequency(&g_freq);
    HMODULE module = LoadLibraryW(L"TQDim.dll");
    using RoughFn = bool(WINAPI*)(void*);
    auto rough = module ? reinterpret_cast<RoughFn>(reinterpret_cast<void*>(GetProcAddress(module, "TQDim_RoughDlg")))
                        : nullptr;
    if (!rough) {
        std::printf("TQDim_RoughDlg not available\n");
        return 1;
    }
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());

    unsigned char record[220];
    double roughOpen, roughClose, fontOpen, fontClose;
    Measure("TQDim_RoughDlg", [&] {
        std::memset(record, 0, sizeof record);
        record[198] = 5;  // a new symbol
        const float size = 3.5f;
        std::memcpy(record + 212, &size, 4);
        std::memcpy(record + 216, &size, 4);
        rough(record);
    }, &roughOpen, &roughClose);

    Measure("ChooseFontW (baseline)", [&] {
        LOGFONTW lf{};
        lf.lfHeight = -15;
        wcscpy(lf.lfFaceName, L"SimSun");
        CHOOSEFONTW cf{};
        cf.lStructSize = sizeof cf;
        cf.lpLogFont = &lf;
        cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
        ChooseFontW(&cf);
    }, &fontOpen, &fontClose);

    std::printf("ratio to the font dialog: open %.2fx, close %.2fx\n", fontOpen > 0 ? roughOpen / fontOpen : 0.0,
                fontClose > 0 ? roughClose / fontClose : 0.0);
    UnhookWindowsHookEx(hook);
    return 0;
}
