// The batch headsets whose own identity is due to go back, by their
// address: each was given the identity of 0x5011 (BatchIdentity.h) and
// either the update ended before its transfer began, or a failed write
// left it half-changed. Its identity goes back over USB once it runs its
// normal firmware on the bus again (it may have left the bus meanwhile);
// until then it stays due, whatever other headset is updated meanwhile.
// UI thread, while no DFU engine holds the headset.
#pragma once
#include "update/BatchIdentity.h"
#include <array>
#include <map>

class CBatchIdentities {
public:
    // Gives the first DFU-family headset on the bus the identity of 0x5011;
    // TRUE when it was written whole. Its own identity is due from then on
    // until the transfer begins; when the rewrite left it half-changed, it
    // is due as well. A headset already due keeps the identity first read.
    BOOL Give();
    // The transfer has begun on the headset given the identity in this
    // update: it keeps its new identity.
    void TransferBegan();
    // The first DFU-family headset on the bus, in its normal mode, gets its
    // own identity back when it is due; it stays due while a write fails.
    // Nothing is asked of the bus while no identity is due.
    void PutBackDue();

    // An identity was given in this update and no transfer has begun since.
    bool GivenNow() const { return m_bGivenNow; }

private:
    typedef std::array<BYTE, 8> Address;
    static Address AddressOf(const HeadsetIdentity& identity);
    void KeepDue(const HeadsetIdentity& identity);

    std::map<Address, HeadsetIdentity> m_due;
    bool m_bGivenNow = false;
    Address m_given = {};  // the headset given the identity in this update
};
