// Time of one full repaint of each chart page and of one hover update (the info box for a newly
// entered cell, with its data file lookup on the limit deviation pages), painted into a memory
// bitmap of a typical page size. Medians over 200 runs each; runs from bin/, beside Englib.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_clock.h"
#include "fits/TQAxisCooperate.h"
#include "fits/TQAxisTolerance.h"
#include "fits/TQHoleCooperate.h"
#include "fits/TQHoleTolerance.h"

namespace {

constexpr int kRuns = 200;
constexpr RECT kClient{0, 0, 620, 431};  // the sheet's page area at 96 dpi

template <class Fn>
double MedianMicroseconds(Fn&& fn) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double t0 = NowMs();
        fn(i);
        times.push_back((NowMs() - t0) * 1e3);
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

void Measure(const char* name, CChartPage& page, HDC dc, int rows, int columns) {
    const double paint = MedianMicroseconds([&](int) { page.Paint(dc, kClient); });
    // Alternate between two cells so that every run is a change of the hovered cell.
    const double hover = MedianMicroseconds([&](int i) { page.DrawInfoBox(dc, rows, i % 2 ? columns : columns + 1); });
    std::printf("%-18s full repaint %8.1f us   hover update %8.1f us\n", name, paint, hover);
}

}  // namespace

int main() {
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH);
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kClient.right, kClient.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);

    std::printf("medians over %d runs, %ldx%ld pixels\n", kRuns, kClient.right, kClient.bottom);
    {
        CTQHoleTolerance hole;
        hole.SetBasicSize(25);
        Measure("hole zones, 25", hole, dc, 6, 7);  // H7 and J7
        CTQAxisTolerance shaft;
        shaft.SetBasicSize(25);
        Measure("shaft zones, 25", shaft, dc, 5, 6);  // g6 and h6
        CTQAxisTolerance large;
        large.SetBasicSize(800);
        Measure("shaft zones, 800", large, dc, 1, 3);  // g7 and h7
        CTQHoleCooperate holeBasis;
        Measure("hole-basis fits", holeBasis, dc, 1, 6);  // H7/g6 and H7/h6
        CTQAxisCooperate shaftBasis;
        Measure("shaft-basis fits", shaftBasis, dc, 1, 6);
    }

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return 0;
}
