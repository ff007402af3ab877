// Texts of the chart pages and sheets, as GBK bytes (the UTF-8 text stands in each comment),
// and the info box texts.
#pragma once

#include <string>

#include "fits/fit_classes.h"

namespace fits::text {

inline constexpr char kShaftTitle[] = "\xD6\xE1\xBC\xAB\xCF\xDE\xC6\xAB\xB2\xEE";  // 轴极限偏差
inline constexpr char kHoleTitle[] = "\xBF\xD7\xBC\xAB\xCF\xDE\xC6\xAB\xB2\xEE";   // 孔极限偏差
// The legend's slots are as wide as a third of this.
inline constexpr char kLegendMeasure[] = "\xD3\xC5\xCF\xC8\xD3\xC5\xCF\xC8\xD3\xC5\xCF\xC8";  // 优先优先优先
inline constexpr char kPreferred[] = "\xD3\xC5\xCF\xC8";  // 优先
inline constexpr char kCommon[] = "\xB3\xA3\xD3\xC3";     // 常用
inline constexpr char kGeneral[] = "\xD2\xBB\xB0\xE3";    // 一般
inline constexpr char kClearance[] = "\xBC\xE4\xCF\xB6\xC5\xE4\xBA\xCF";     // 间隙配合
inline constexpr char kTransition[] = "\xB9\xFD\xB6\xC9\xC5\xE4\xBA\xCF";    // 过渡配合
inline constexpr char kInterference[] = "\xB9\xFD\xD3\xAF\xC5\xE4\xBA\xCF";  // 过盈配合
inline constexpr char kShaft[] = "\xD6\xE1";  // 轴
inline constexpr char kHole[] = "\xBF\xD7";   // 孔
// 注:H6/n5,H7/p6在基本尺寸≦3mm和H8/r7
//    在基本尺寸值≦100mm时,为过渡配合。
inline constexpr char kFitNote[] =
    "\xD7\xA2:H6/n5,H7/p6\xD4\xDA\xBB\xF9\xB1\xBE\xB3\xDF\xB4\xE7\xA8Q3mm\xBA\xCDH8/r7\n"
    "   \xD4\xDA\xBB\xF9\xB1\xBE\xB3\xDF\xB4\xE7\xD6\xB5\xA8Q100mm"
    "\xCA\xB1,\xCE\xAA\xB9\xFD\xB6\xC9\xC5\xE4\xBA\xCF\xA1\xA3";
// 常用孔轴极限偏差
inline constexpr char kToleranceSheet[] = "\xB3\xA3\xD3\xC3\xBF\xD7\xD6\xE1\xBC\xAB\xCF\xDE\xC6\xAB\xB2\xEE";
inline constexpr char kCooperateSheet[] = "\xB3\xA3\xD3\xC3\xC5\xE4\xBA\xCF";  // 常用配合
inline constexpr char kHoleBasis[] = "\xBB\xF9\xBF\xD7\xD6\xC6";   // 基孔制
inline constexpr char kShaftBasis[] = "\xBB\xF9\xD6\xE1\xD6\xC6";  // 基轴制

}  // namespace fits::text

namespace fits {

// Info box of a limit deviation chart: "class:zone" and, when the deviations (millimetres) were
// found, an upper and a lower deviation line. The hole page spaces its class labels and writes
// ASCII colons after the deviation labels. "" for a class below 1.
std::string ZoneInfoText(bool holePage, int zoneClass, const std::string& zone, const double* upper,
                         const double* lower);

// Info box of a fit chart: the spaced class label, the hole zone line and the shaft zone line.
// "" for a class below 1 or a fit outside the grid.
std::string FitInfoText(int fitClass, const Fit& fit);

}  // namespace fits
