// The batch headsets whose own identity is due to go back, by their
// address: each was given the identity of 0x5011 (BatchIdentity.h) and its
// update has not succeeded: it ended before its transfer began, its
// transfer failed, or a failed write left it half-changed. Its identity
// goes back over USB once it runs its normal firmware on the bus again (it
// may have left the bus meanwhile); until then it stays due, whatever other
// headset is updated meanwhile. UI thread, while no DFU engine holds the
// headset.
#pragma once
#include "update/BatchIdentity.h"
#include <array>
#include <map>

class CBatchIdentities {
public:
    // A new update starts: no headset has been given the identity in it yet.
    void UpdateStarts();
    // Gives the first DFU-family headset on the bus the identity of 0x5011;
    // TRUE when it was written whole. Its own identity is due from then on
    // until this update has succeeded; when the rewrite left it
    // half-changed, it is due as well. A headset already due keeps the
    // identity first read.
    BOOL Give();
    // The transfer has begun on the headset given the identity in this update.
    void TransferBegan();
    // The update has ended. When it succeeded after its transfer began, the
    // headset given the identity in it runs the firmware that identity was
    // given for and keeps it; any other headset's stays due.
    void UpdateEnded(bool succeeded);
    // The first DFU-family headset on the bus, in its normal mode, gets its
    // own identity back when it is due; it stays due while a write fails.
    // Nothing is asked of the bus while no identity is due.
    void PutBackDue();

    // An identity was given in this update and no transfer has begun since.
    bool GivenBeforeTransfer() const { return m_bGivenNow && !m_bTransferBegan; }

private:
    typedef std::array<BYTE, 8> Address;
    static Address AddressOf(const HeadsetIdentity& identity);
    void KeepDue(const HeadsetIdentity& identity);

    std::map<Address, HeadsetIdentity> m_due;
    // The headset given the identity in this update, and whether its
    // transfer has begun; both only for the update that runs.
    bool m_bGivenNow = false;
    bool m_bTransferBegan = false;
    Address m_given = {};
};
