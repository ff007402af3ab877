// The limit deviation chart of hole zones (upper-case letters), a page of the tolerance sheet.
#pragma once

#include "fits/ZoneChartPage.h"

class CTQHoleTolerance : public CZoneChartPage {
public:
    CTQHoleTolerance();
    static const CRuntimeClass kClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kClass; }
};
