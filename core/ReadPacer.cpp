#include "core/ReadPacer.h"

void CReadPacer::Arrived(DWORD available) {
    if (available >= kStreamingBytes) m_block = available * 2 < m_largest ? available * 2 : m_largest;
}

void CReadPacer::BlockTook(DWORD ms) {
    if (ms > kQuickMs) m_block = 0;
    else if (m_block < m_largest) m_block = m_block * 2 < m_largest ? m_block * 2 : m_largest;
}
