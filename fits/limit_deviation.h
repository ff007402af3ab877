// Limit deviation lookup for the chart pages.
#pragma once

// Upper and lower limit deviation (millimetres) of a tolerance zone such as "H7",
// "js6" or "Js10" at an absolute basic size, read from the data files in the
// Englib directory beside the host executable (see fits/limit_file.h). Returns 0
// on success, -1 on any failure: an empty zone or a size outside 0..3150 leaves
// both outputs untouched, every other failure sets both to 0.0. Nothing is cached;
// each call opens, reads and closes one file.
int ReadLimitDeviation(double basicSize, const char* zone, double* upper, double* lower);
