#include "constants/FramesInFlight.h"

#include <gtest/gtest.h>

// Walking the slots forward, the previous slot of each is the one just left,
// whatever the number of frames in flight.
TEST(FramesInFlightTest, PreviousSlotIsTheOneUsedJustBefore)
{
    for (uint32_t count = 1; count <= 4; count++) {
        uint32_t slot = 0;
        for (int frame = 0; frame < 9; frame++) {
            const uint32_t next = (slot + 1) % count;
            EXPECT_EQ(previousFrameSlot(next, count), slot) << count << " frames in flight, slot " << next;
            slot = next;
        }
    }
    EXPECT_EQ(previousFrameSlot(0), static_cast<uint32_t>(MAX_FRAMES_IN_FLIGHT - 1));
}
