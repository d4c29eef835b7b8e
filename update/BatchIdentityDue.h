// The batch headsets whose own identity is due to go back, by their
// address: each was given the identity of 0x5011 (BatchIdentity.h) and has
// not taken the 0x5011 image whole: its update ended before its transfer
// began, its transfer failed, or a failed write left it half-changed. Its
// identity goes back over USB once it is on the bus again in its normal
// mode and still runs the firmware it ran when it was given the identity
// (it may have left the bus meanwhile); until then it stays due, whatever
// other headset is updated meanwhile. Once it has taken the image whole
// (its transfer completed, or it reports other firmware than then, after
// this update or any later one) it keeps the identity of 0x5011, and
// nothing is due for it. UI thread, while no DFU engine holds the headset.
#pragma once
#include "update/BatchIdentity.h"
#include <array>
#include <map>

class CBatchIdentities {
public:
    // A new update starts: no headset has been given the identity in it yet.
    void UpdateStarts();
    // Gives the first DFU-family headset on the bus the identity of 0x5011;
    // TRUE when it was written whole. Its own identity is due from then on;
    // when the rewrite left it half-changed, it is due as well. A headset
    // already due keeps the identity first read.
    BOOL Give();
    // The transfer has begun on the headset given the identity in this update.
    void TransferBegan();
    // The transfer of this update has completed. The headset given the
    // identity in it has taken the image of 0x5011 whole and keeps it. So
    // has the headset of an update of model 0x5011 (identityImage) that gave
    // nothing, whose address may be unknown (firmware-management mode): the
    // first headset the bus shows in its normal mode from here on is that
    // one, and if it is due, it keeps the identity.
    void TransferCompleted(bool identityImage);
    // The update has ended: the marks of the headset given the identity in
    // it go.
    void UpdateEnded();
    // The first DFU-family headset on the bus, in its normal mode, gets its
    // own identity back when it is due and still runs the firmware it ran
    // then; it stays due while a write fails. On other firmware, nothing is
    // due for it any more. Nothing is asked of the bus while no identity is
    // due.
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
    // An update of model 0x5011 completed its transfer on a headset not yet
    // seen on the bus since (TransferCompleted).
    bool m_bImageTakenUnseen = false;
};
