// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

namespace runtime {

/// A frame around a group of controls: its own colour across the whole box, an etched border
/// (the palette's dark line outside, its light line inside) whose top line runs through the
/// middle of the caption, and the caption set into that line.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace runtime
