// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace tappon {

// Puts controls (or what stands for them, through `toControl`) into tab order: rising
// tab index, and the order they came in where two share one.
template <typename T, typename ToControl = std::identity>
void sortInTabOrder(std::vector<T*>& items, ToControl toControl = {})
{
    std::ranges::stable_sort(items, {}, [&](const T* item) { return std::invoke(toControl, *item).tabIndex(); });
}

}  // namespace tappon
