// Whether the server's latest firmware should be offered to the headset.
#pragma once

class CDeviceRecord;

// server: the record's four version words in stored order; device: the
// recognised device. 1 when the server's firmware is to be offered. For
// target 0x5060, batchProbe is what the connected headset answered
// (ProbeBatchHeadsetOverUsb): a headset of the batch is always offered the
// firmware, one that cannot be reached never. Other targets ignore it.
int IsNewerFirmware(int targetModel, const int server[4], const CDeviceRecord& device, int batchProbe);
