// The drawing description language of the module's bitmaps.
//
// One command a line; '#' starts a comment; blank lines are skipped. All
// numbers are integer pixels (see canvas.h: a point is a pixel centre, x to
// the right, y downwards). The first command gives the size and starts a
// white canvas; the rest draw in order, later ones over earlier ones.
//
//   size W H                      canvas of W x H pixels (1..1024 each)
//   colours 16                    16-colour bitmap (right after size; else black and white)
//   ink black|white|navy|red      colour of what follows (black at the start; navy and red
//                                 need colours 16)
//   anchor X Y                    the placement point: one red pixel, drawn after everything
//                                 else (needs colours 16; once per picture)
//   pen N                         default width of line, polyline and rect (1)
//   pixel X Y
//   line X0 Y0 X1 Y1 [N]          both ends included, N pixels wide
//   polyline X0 Y0 X1 Y1 ...      connected lines, two points or more
//   rect X0 Y0 X1 Y1              outline of the box with these corners
//   fillrect X0 Y0 X1 Y1
//   ellipse X0 Y0 X1 Y1           outline of the ellipse covering this box
//   fillellipse X0 Y0 X1 Y1
//   circle CX CY R                ellipse CX-R CY-R CX+R CY+R
//   fillcircle CX CY R
//   dotellipse X0 Y0 X1 Y1 ON OFF outline in runs of ON pixels, gaps of OFF
//   arc X0 Y0 X1 Y1 XS YS XE YE   outline counter-clockwise from the ray
//                                 through (XS,YS) to the ray through (XE,YE)
//   polygon X0 Y0 X1 Y1 X2 Y2 ... filled, three points or more
//
// Curves and polygon edges are one pixel wide whatever the pen.
#pragma once

#include "canvas.h"

#include <optional>
#include <string>

namespace bmpgen {

struct DrawError {
    int line = 0;  // 1-based; 0 when the description as a whole is wrong
    std::string message;
};

// The drawn canvas, or nothing with `error` saying where and what is wrong.
std::optional<Canvas> Draw(const std::string& description, DrawError& error);

}  // namespace bmpgen
