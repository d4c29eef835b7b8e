#include "update/NewerFirmware.h"
#include "core/DeviceRecord.h"
#include "update/BatchHeadset.h"

namespace {

bool IsVoicePromptGroup(int model) {
    switch (model) {
    case 0x3110: case 0x3112: case 0x3114: case 0x3116: case 0x3118: case 0x3124: case 0x3126: return true;
    default: return false;
    }
}

}  // namespace

int IsNewerFirmware(int targetModel, const int server[4], const CDeviceRecord& device, int batchProbe) {
    if (targetModel == 0x3020)
        return device.CompareFullVersion(server[0], server[1], server[2], server[3]) < 0 ? 1 : 0;
    if (targetModel == BATCH_HEADSET_MODEL) {
        if (batchProbe < 0) return 0;
        if (batchProbe > 0) return 1;
    }
    const int c = device.CompareVersion(server[0], server[1]);
    const int type = device.m_version.m_nSecondaryVersionType;
    if (type == 1) return c <= 0 ? 1 : 0;
    if (IsVoicePromptGroup(targetModel) && type != 2) return (c < 0 || (c == 0 && server[3] > 0)) ? 1 : 0;
    return (c < 0 || (c == 0 && device.m_version.m_nSecondaryVersion < server[3])) ? 1 : 0;
}
