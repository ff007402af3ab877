#include "fits/TQHoleTolerance.h"

#include "fits/chart_texts.h"
#include "res/fits_res.h"

const CRuntimeClass CTQHoleTolerance::kClass{"CTQHoleTolerance", &CreateObjectOf<CTQHoleTolerance>};

// A darker blue for the info text and near-black zone names; a click reports 1.
CTQHoleTolerance::CTQHoleTolerance()
    : CZoneChartPage(IDD_FITS_HOLE_PAGE,
                     {fits::ChartPage::Hole, fits::text::kHoleTitle, RGB(0, 0, 200), RGB(32, 0, 0), 1}) {}
