// The fit chart of the shaft-basis system (基轴制), a page of the fit sheet: holes of every
// letter against the shafts h5 to h12.
#pragma once

#include "fits/FitChartPage.h"

class CTQAxisCooperate : public CFitChartPage {
public:
    CTQAxisCooperate();
    static const CRuntimeClass kClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kClass; }
};
