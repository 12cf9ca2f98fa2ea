// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The longest game the time box allows runs to its end without growing the heap: every
// tick and every respawn reuses what the window already holds.
#include "tests/support/game_fixture.h"

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define TAPPON_HEAP_FROM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAPPON_HEAP_FROM_ASAN 1
#endif
#endif

#ifdef TAPPON_HEAP_FROM_ASAN
// From the sanitizer runtime (sanitizer/allocator_interface.h, which g++ does not ship).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace tappon {
namespace {

using testing::GameTest;

// Bytes of heap in use right now (under AddressSanitizer its allocator holds the heap).
std::size_t heapInUse()
{
#ifdef TAPPON_HEAP_FROM_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

class LongGameMemoryTest : public GameTest {};

TEST_F(LongGameMemoryTest, ANineHundredNinetyNineMinuteGameRunsToItsEndWithAFlatHeap)
{
    // What the fake screen reader keeps of the seconds announced is the test's heap,
    // not the game's.
    h.screenReader.onAnnounce = [this](const std::string&) { h.screenReader.announced.clear(); };
    startGame("999");
    showLetters({"5", "a", "b", "c", "d"});
    type("a5");
    h.advanceMs(60 * 1000);  // every kind of respawn and caption has happened by now
    const std::size_t before = heapInUse();
    ASSERT_GT(before, 0u) << "no measure of the heap";
    h.advanceMs(998LL * 60 * 1000 - 1);
    const std::size_t after = heapInUse();
    EXPECT_EQ(game.Label5.caption(), "1");
    EXPECT_LT(after, before + 16 * 1024) << "heap grew from " << before << " to " << after << " bytes";
    h.advanceMs(1);
    EXPECT_EQ(game.Label5.caption(), "0");
    ASSERT_EQ(h.messageBox.shown.size(), 1u);
    EXPECT_EQ(h.messageBox.shown.back().title, "Harder！");
}

}  // namespace
}  // namespace tappon
