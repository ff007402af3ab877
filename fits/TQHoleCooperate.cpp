#include "fits/TQHoleCooperate.h"

#include "fits/chart_texts.h"
#include "res/fits_res.h"

const CRuntimeClass CTQHoleCooperate::kClass{"CTQHoleCooperate", &CreateObjectOf<CTQHoleCooperate>};

// Shafts over the letters, the holes by the rows, with the note; a click reports 1.
CTQHoleCooperate::CTQHoleCooperate()
    : CFitChartPage(
          IDD_FITS_HOLE_PAGE, {fits::FitSystem::HoleBasis, fits::text::kShaft, fits::text::kHole, true, 1}) {}
