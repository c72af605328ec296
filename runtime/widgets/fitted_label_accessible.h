// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>

class QWidget;

namespace runtime {

/// The interface screen readers see a fitted label through: static text named by its
/// accessible name where it has one (the builder names a result by the caption beside it),
/// else by its own caption, whose caption itself, whatever the box shows, is read through the
/// text interface.
QAccessibleInterface* fittedLabelAccessible(QWidget* label);

}  // namespace runtime
