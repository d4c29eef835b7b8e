// Test side of the backup settings view: the expected English row lists of
// every model and firmware range, and how each setting is stored, written
// down from the descriptions of the models (not from the view's tables).
#pragma once
#include <functional>
#include <vector>
#include "core/DeviceRecord.h"
#include "framework/String.h"

namespace backupexpect {

// How a setting sits in the record, for the rows that read it.
enum Family {
    kMembers,    // the record's on/off members and whole words
    kAccessors,  // bits of settings word 2 through the accessors (and words 0 and 3)
    kBits,       // bits of settings words 0 and 1, tested in place
};

struct Case {
    std::vector<int> models;
    int major, minor;              // the backup's firmware
    int deviceMajor, deviceMinor;  // the connected device's firmware
    Family family;
    std::vector<const wchar_t*> labels;  // English, in order on screen
};

// Every model with rows, at both sides of each of its firmware gates.
const std::vector<Case>& Cases();

// What a row shows for a record that is all zero, and for the record with
// only this setting changed (set).
struct Probe {
    const wchar_t* zero;
    const wchar_t* changed;
    std::function<void(CDeviceRecord&)> set;
};

// The probe of a row with this English label, in a model of this family.
// The VOX sensitivity reads Low/Medium/High on a few models; the video mode
// moves to another camera word from firmware 2.0 on.
const Probe* FindProbe(Family family, const CString& label, int model, int backupMajor);

// The English text in another UI language: the on/off words and every
// option and label text; numbers and the unknown-value text stay.
CString Translate(const CString& english, int language);

}  // namespace backupexpect
