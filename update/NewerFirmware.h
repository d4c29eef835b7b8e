// Whether the server's latest firmware should be offered to the headset.
#pragma once
#include <functional>

class CDeviceRecord;

// For model 0x5060: 1 when the connected headset belongs to the corrected
// production batch, 0 when not, -1 when it cannot be reached.
typedef std::function<int()> BatchProbe;

// server: the record's four version words in stored order; device: the
// recognised device. 1 when the server's firmware is to be offered.
int IsNewerFirmware(int targetModel, const int server[4], const CDeviceRecord& device,
                    const BatchProbe& batch = BatchProbe());
