#pragma once

#include "design.h"

#include <QFont>

namespace runtime {

/// The Qt font for a designed font. Faces the machine lacks are replaced by installed faces
/// of the same kind (a Kai face for 楷体_GB2312, a Song face for 宋体, a metric-compatible serif
/// for Times New Roman), and Chinese characters in a Western face come from the Song face; a Chinese face draws its own.
/// Sizes are taken at 96 dots to the inch, the designs' 15 twips to a pixel, whatever the screen.
QFont fontFor(const design::Font& font);

}  // namespace runtime
