// The fit chart of the shaft-basis system (基轴制), holes of every letter against the shafts h5 to h12, a page of the fit sheet.
#pragma once

#include "fits/FitChartPage.h"

class CTQAxisCooperate : public CFitChartPage {
public:
    CTQAxisCooperate();
    static const CRuntimeClass kClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kClass; }
};
