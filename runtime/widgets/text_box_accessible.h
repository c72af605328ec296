// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>

class QWidget;

namespace runtime {

/// The interface screen readers read a text box through, which answers every question about
/// its text for the whole text: Qt's own reports each character as a run of text attributes
/// of its own that ends where it begins, and Orca, joining those runs, speaks a field's figure
/// without its last character.
QAccessibleInterface* textBoxAccessible(QWidget* box);

}  // namespace runtime
