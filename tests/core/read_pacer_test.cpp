// The size of a download's reads: what has arrived until the line streams,
// then blocks growing to the largest while they come quickly.
#include <gtest/gtest.h>
#include "core/ReadPacer.h"

TEST(ReadPacer, GrowsOnAStreamingLineAndFallsBackWhenABlockIsSlow) {
    CReadPacer pacer(64 * 1024);
    EXPECT_EQ(0u, pacer.Block());
    // A trickle never leaves reading what has arrived.
    pacer.Arrived(512);
    pacer.Arrived(CReadPacer::kStreamingBytes - 1);
    EXPECT_EQ(0u, pacer.Block());

    pacer.Arrived(CReadPacer::kStreamingBytes);
    EXPECT_EQ(16u * 1024, pacer.Block());
    pacer.BlockTook(0);
    EXPECT_EQ(32u * 1024, pacer.Block());
    pacer.BlockTook(CReadPacer::kQuickMs);
    EXPECT_EQ(64u * 1024, pacer.Block());
    pacer.BlockTook(1);
    EXPECT_EQ(64u * 1024, pacer.Block());  // never beyond the largest

    pacer.BlockTook(CReadPacer::kQuickMs + 1);
    EXPECT_EQ(0u, pacer.Block());
    // A library that holds more than the largest block asks for no more.
    pacer.Arrived(1024 * 1024);
    EXPECT_EQ(64u * 1024, pacer.Block());
}
