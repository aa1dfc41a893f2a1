#pragma once

#include <windows.h>

#include "faces.h"

namespace cp {

// The layout's faces on Windows: the Song face 宋体 (SimSun), else Microsoft YaHei, else
// any installed Chinese face; the dialog sans face MS Sans Serif, else Microsoft Sans
// Serif, else Tahoma. Sizes in points at the given scale (1 at 96 dpi).
HFONT layout_font(Face face, double points, bool bold, double scale);

// The dialogs' face: the Song face at 9 points.
HFONT dialog_font(double scale);

}  // namespace cp
