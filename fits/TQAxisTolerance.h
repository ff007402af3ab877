// The limit deviation chart of shaft zones (lower-case letters), a page of the tolerance sheet.
#pragma once

#include "fits/ZoneChartPage.h"

class CTQAxisTolerance : public CZoneChartPage {
public:
    CTQAxisTolerance();
    static const CRuntimeClass kClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kClass; }
};
