// Resource ids of the limits-and-fits chart pages (fixed by the host's module).
#pragma once

// Empty child frames the chart pages paint on; each serves one limit deviation page and one
// fit page.
#define IDD_FITS_HOLE_PAGE 102
#define IDD_FITS_SHAFT_PAGE 15006

// Plain white 48 x 48 pattern: the pages' background brush.
#define IDB_FITS_BACKGROUND 2015
