// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Transcripts of what a window did, compared line by line with the ones checked in under
// tests/unit/golden. After a deliberate change of behaviour, write them anew and review
// their diff:
//     TAPPON_UPDATE_GOLDEN=1 build/tests/unit_tests --gtest_filter='*Transcript*'
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tappon::testing {

inline void expectTranscript(const std::string& file, const std::string& transcript)
{
    const std::string path = std::string(TAPPON_GOLDEN_DIR) + "/" + file;
    if (std::getenv("TAPPON_UPDATE_GOLDEN")) {
        std::ofstream(path) << transcript;
        GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream golden(path);
    ASSERT_TRUE(golden) << "no transcript at " << path;
    std::istringstream actual(transcript);
    std::string expectedLine;
    std::string actualLine;
    for (int line = 1; std::getline(golden, expectedLine); ++line) {
        ASSERT_TRUE(std::getline(actual, actualLine)) << "the transcript ends before line " << line << " of " << path;
        ASSERT_EQ(actualLine, expectedLine) << "first difference at line " << line << " of " << path;
    }
    EXPECT_FALSE(std::getline(actual, actualLine)) << "the transcript goes on after " << path << ": " << actualLine;
}

}  // namespace tappon::testing
