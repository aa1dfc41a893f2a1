#pragma once

#include <QFont>

namespace cp {

// The two faces of the layout: the Song face (宋体) for Chinese text, and the dialog
// sans face of the short labels and sketches. Each falls back to an installed face.
enum class Face { Song, Sans };

QFont layout_font(Face face, double points, bool bold);

// A monospaced CJK face for the report, in which a CJK character is exactly two
// narrow characters wide, so that tab columns line up.
QFont report_font(double points);

}  // namespace cp
