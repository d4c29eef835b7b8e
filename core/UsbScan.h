// Scan of the present USB devices for the maker's DFU-side headsets.
#pragma once

// Lists the present devices of the "USB" enumerator (all classes), reads
// each hardware id, upper-cases it and takes the hexadecimal numbers after
// "VID_" and "PID_". Counts the devices with VendorIdMaker and a product id
// an update checks for (both ids of every model with a USB description,
// core/ModelUsb.h; the in-line switch headsets' normal mode is a HID
// device), stores the first `capacity` of their product ids in the
// order the system lists them, and returns the count, which can exceed the
// capacity. 0 when the device list cannot be opened.
int ScanUsbDevices(int productIds[], int capacity);

// The same scan with another list of accepted product ids (the maker's
// vendor id still required).
int ScanUsbDevicesFor(int productIds[], int capacity, const int* accepted, int acceptedCount);
