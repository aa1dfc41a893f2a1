#pragma once

#include <QFont>

#include "faces.h"

namespace cp {

QFont layout_font(Face face, double points, bool bold);

}  // namespace cp
