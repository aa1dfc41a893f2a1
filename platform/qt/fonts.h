#pragma once

#include <QFont>

namespace cp {

// The two faces of the layout: the Song face (宋体) for Chinese text, and the dialog
// sans face of the short labels and sketches. Each falls back to an installed face.
enum class Face { Song, Sans };

QFont layout_font(Face face, double points, bool bold);

}  // namespace cp
