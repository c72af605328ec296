// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"

#include <QFont>

namespace runtime {

/// The Qt font for a designed font. Faces the machine lacks are replaced by installed faces
/// of the same kind (a Kai face for 楷体_GB2312, a Song face for 宋体, a metric-compatible serif
/// for Times New Roman). Chinese characters in a Western face come from the Song face. A
/// Chinese face, which has every character the designs show, is used alone, without looking
/// elsewhere for characters it might lack: Qt then keeps one font engine for the face's
/// Chinese and Western characters alike, where it would otherwise load one for each. (A text
/// box looks elsewhere once the user types a character the face lacks.)
/// Sizes are taken at 96 dots to the inch, the designs' 15 twips to a pixel, whatever the screen.
QFont fontFor(const design::Font& font);

}  // namespace runtime
