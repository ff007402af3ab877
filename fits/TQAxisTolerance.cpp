#include "fits/TQAxisTolerance.h"

#include "fits/chart_texts.h"
#include "res/fits_res.h"

const CRuntimeClass CTQAxisTolerance::kClass{"CTQAxisTolerance", &CreateObjectOf<CTQAxisTolerance>};

// Blue info text, black zone names; a click reports 2.
CTQAxisTolerance::CTQAxisTolerance()
    : CZoneChartPage(IDD_FITS_SHAFT_PAGE,
                     {fits::ChartPage::Shaft, fits::text::kShaftTitle, RGB(0, 0, 255), RGB(0, 0, 0), 2}) {}
