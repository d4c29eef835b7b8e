// How much the next read of a download's body asks for. A synchronous
// WinINet read returns only once every byte asked for has come, so a read
// larger than what the line brings quickly would hide a slow line's progress
// and rate from the watcher until it completes; reading just what has
// arrived keeps both current, but costs a call or two per few KB on a fast
// line. The pacer reads what has arrived until the line shows itself fast
// (the library's buffer full when asked), then asks for blocks that double
// while each comes quickly, up to the largest; a block that was slow to come
// sends it back to reading what has arrived.
#pragma once
#include "framework/WinTypes.h"

class CReadPacer {
public:
    // What a read of "what has arrived" finds when data streams in: the
    // library's own buffer, full.
    static const DWORD kStreamingBytes = 8 * 1024;
    // A block that takes longer than this (clock ms) shows a slow line.
    static const DWORD kQuickMs = 50;

    explicit CReadPacer(DWORD largestBlock) : m_largest(largestBlock) {}

    // The size of the next read; 0: ask what has arrived and read that.
    DWORD Block() const { return m_block; }
    // A read of what had arrived found this much waiting.
    void Arrived(DWORD available);
    // A block of Block() bytes took this long to come.
    void BlockTook(DWORD ms);

private:
    DWORD m_largest;
    DWORD m_block = 0;
};
