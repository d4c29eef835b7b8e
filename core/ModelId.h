// A device model: a 16-bit number held in an int. The high byte is the
// product family and the low byte the variant; 0 means none. It is also the
// device's USB product id; a USB product id of 0x8000 or more is the same
// model in firmware-management mode.
#pragma once

typedef int ModelId;

const ModelId MODEL_NONE = 0;
const int USB_PID_MANAGEMENT_MODE = 0x8000;

// The model a USB product id stands for (the management-mode offset removed).
inline ModelId ModelFromUsbProductId(int productId) {
    return productId >= USB_PID_MANAGEMENT_MODE ? productId - USB_PID_MANAGEMENT_MODE : productId;
}
