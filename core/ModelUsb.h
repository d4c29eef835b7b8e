// How the models that the USB scans and the DFU update look for show on
// USB: one description per model, read by the USB scan, the checks before
// an update and the in-line switch. Models without one are reached
// through their HID interfaces only.
#pragma once
#include <vector>

struct ModelUsbIds {
    int model;
    int normalId;       // product id on its normal firmware
    int updateId;       // product id in firmware-management mode (update mode of an in-line switch headset)
    int devices;        // USB devices of the model at once: 2 for the two-interface unit
    bool inlineSwitch;  // a HID headset on its normal firmware, switched in line into update mode
};

// The model's description; null for a model without one.
const ModelUsbIds* GetModelUsbIds(int model);
// The description with this product id in either mode; null for none.
const ModelUsbIds* FindModelUsbIdsByProductId(int productId);
// Every product id of the descriptions, normal and update mode of each
// model in turn; the count. At most capacity are stored.
int GetModelUsbProductIds(int productIds[], int capacity);

// Every product id of the models written through the DFU library (all
// descriptions but the in-line switch headsets'), normal and
// firmware-management mode of each model in turn.
const std::vector<int>& GetDfuFamilyProductIds();

// The product ids of the in-line switch headsets.
bool IsInlineSwitchNormalId(int productId);
bool IsInlineSwitchUpdateId(int productId);
