// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tab_order.h"

#include <QWidget>
#include <algorithm>

namespace runtime {

void orderTabsAndFocusFirst(std::vector<std::pair<int, QWidget*>> byTabIndex) {
    std::sort(byTabIndex.begin(), byTabIndex.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < byTabIndex.size(); ++i) QWidget::setTabOrder(byTabIndex[i - 1].second, byTabIndex[i].second);
    if (!byTabIndex.empty()) byTabIndex.front().second->setFocus(Qt::OtherFocusReason);
}

}  // namespace runtime
