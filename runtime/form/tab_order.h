// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>
#include <vector>

class QWidget;

namespace runtime {

/// Links the controls that take the focus, Tab going from one to the next by tab index, and
/// gives the focus to the first.
void orderTabsAndFocusFirst(std::vector<std::pair<int, QWidget*>> byTabIndex);

}  // namespace runtime
