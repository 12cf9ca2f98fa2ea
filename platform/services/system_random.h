// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/random_source.h"

#include <random>

namespace tappon {

// The program's random numbers: a Mersenne Twister seeded from the clock on request.
class SystemRandom : public RandomSource {
public:
    void seedFromClock() override;
    // 24 random bits scaled into [0, 1): every value is exact in single precision.
    float next() override;

private:
    std::mt19937 engine_{5489u};
};

}  // namespace tappon
