#include "fits/TQAxisCooperate.h"

#include "fits/chart_texts.h"
#include "res/fits_res.h"

const CRuntimeClass CTQAxisCooperate::kClass{"CTQAxisCooperate", &CreateObjectOf<CTQAxisCooperate>};

// Holes over the letters, the shafts by the rows; no note; a click reports 2.
CTQAxisCooperate::CTQAxisCooperate()
    : CFitChartPage(
          IDD_FITS_SHAFT_PAGE, {fits::FitSystem::ShaftBasis, fits::text::kHole, fits::text::kShaft, false, 2}) {}
