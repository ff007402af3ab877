// The fit chart of the hole-basis system (基孔制), a page of the fit sheet: shafts of every
// letter against the holes H6 to H12.
#pragma once

#include "fits/FitChartPage.h"

class CTQHoleCooperate : public CFitChartPage {
public:
    CTQHoleCooperate();
    static const CRuntimeClass kClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kClass; }
};
