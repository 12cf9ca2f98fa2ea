// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/services/system_random.h"

#include <chrono>

namespace tappon {

void SystemRandom::seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count()
                       ^ std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

float SystemRandom::next()
{
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace tappon
