// The identity of model 0x5011 that a 0x5060 headset of the production
// batch is given for its 0x5011 firmware: product id, USB product id, DFU
// product id and USB product string. Every write is tested; the values read
// before are written back after a failed write, or when the update fails
// before its transfer has begun.
#pragma once
#include "framework/String.h"
#include "framework/WinTypes.h"

// The identity keys of one headset as read before the rewrite.
struct HeadsetIdentity {
    BYTE address[8] = {};          // PSKEY_BDADDR: the headset they belong to
    BYTE productId[2] = {};
    BYTE usbProductId[2] = {};
    BYTE dfuProductId[2] = {};
    BYTE productString[32] = {};   // 16 UTF-16 code units
    // For each of the four keys, in table order: whether it was read (a key
    // never set cannot be, for example the product string of a headset that
    // takes it from its firmware) and whether the rewrite changed it. What
    // was read and changed goes back; a key changed without being read has
    // no value of its own to go back and keeps the value it was given.
    bool read[4] = {};
    bool written[4] = {};
    // PSKEY_FW_VERSION as read just before the rewrite: the firmware the
    // headset ran when it was given the identity, which its own identity
    // belongs to (firmwareRead: the key could be read).
    BYTE firmware[4] = {};
    bool firmwareRead = false;
};

// What the rewrite did to the headset.
enum BatchRewrite {
    BATCH_REWRITE_NONE = 0,  // nothing written, or what was written went back after a refused write
    BATCH_REWRITE_DONE = 1,  // the identity of 0x5011 is written whole
    BATCH_REWRITE_HALF = 2,  // a write was refused and not all that was written went back
};

// Connects the first DFU-family headset in its normal mode; when its
// address lies in the batch range, reads its four identity keys and writes
// those of 0x5011 over USB, in table order, testing each write. A key that
// cannot be read is written all the same. After a refused write the keys
// written before it go back (a refused write leaves its key as it was).
// *original: the headset's own identity and the keys the rewrite changed
// (left as it was when nothing was read). NONE when the headset cannot be
// reached or lies outside the batch, or when what was written went back;
// HALF when some of it did not: the headset is left half-changed.
BatchRewrite WriteBatchIdentityToHeadset(HeadsetIdentity* original);

// What putting a headset's own identity back came to.
enum BatchPutBack {
    PUT_BACK_NO_HEADSET = 0,  // no DFU-family headset on the bus in its normal mode (or its address unread)
    PUT_BACK_NOT_NOW,         // another headset, a write refused, or its version key unread now
    PUT_BACK_DONE,            // every key read and changed went back
    PUT_BACK_KEEPS_IT,        // it took the image of 0x5011 since: it keeps what it holds, nothing written
};

// Writes the identity read before back over USB, to the first DFU-family
// headset in its normal mode when it is the same headset (its address) and
// still runs the firmware it ran then: the keys read and changed, each
// tested. It runs other firmware when tookIdentityImage (the caller saw
// that headset take the image of 0x5011 whole), or when its version key
// differs from the one read then (a key never set then and still unset
// cannot tell, and counts as the same). A headset whose version key cannot
// be read now, while it could then, is left as it is for now.
BatchPutBack WriteIdentityBackToHeadset(const HeadsetIdentity& original, bool tookIdentityImage = false);

// A headset whose identity is still due was read again before a new
// rewrite (later): a key the earlier rewrite changed keeps what it held
// first; one that it left as it was is taken from later. The firmware is
// the one it runs now, before the update that gives the identity again.
void AddKeysToGoBack(HeadsetIdentity* due, const HeadsetIdentity& later);
