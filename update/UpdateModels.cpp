#include "update/UpdateModels.h"
#include "core/ModelUsb.h"
#include <initializer_list>
#include <map>
#include <windows.h>

namespace {

bool In(int model, std::initializer_list<int> ids) {
    for (int id : ids)
        if (id == model) return true;
    return false;
}

// The model groups of the dispatch, tested in this order.
const std::initializer_list<int> kVersionGated = {0x4210};
const std::initializer_list<int> kTwoChipPackage = {0x4310, 0x4350, 0x4330, 0x4430, 0x4410,
                                                    0x4510, 0x4530, 0x4610, 0x2030};
const std::initializer_list<int> kVehicle = {0x5345};
const std::initializer_list<int> kVoicePrompt = {0x3110, 0x3500, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126};
const std::initializer_list<int> kCamera = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570,
                                            0x3060, 0x5520, 0x5560, 0x5526, 0x5720, 0x5530, 0x5532, 0x5550,
                                            0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030,
                                            0x3050, 0x3040, 0x6210, 0x6400, 0x5320, 0x5330, 0x5910, 0x5920};
const std::initializer_list<int> kSwitchFirst = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026,
                                                 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};

// Phase lengths of the progress display (A, T, B).
struct Phases {
    std::initializer_list<int> ids;
    int a, t, b;
};
const Phases kPhases[] = {
    {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x6420, 0x6430, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010,
      0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010},
     20, 360, 20},
    {{0x5210}, 15, 80, 15},
    {{0x5310}, 20, 90, 20},
    {{0x3010, 0x3020}, 15, 273, 20},
    {{0x4210, 0x4350, 0x4310, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030}, 5, 245, 40},
    {{0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126}, 5, 500, 65},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, 5, 210, 10},
    {{0x5510, 0x5580, 0x5570, 0x3060}, 5, 300, 10},
    {{0x5520, 0x5560, 0x5526, 0x5720}, 5, 220, 10},
    {{0x5530, 0x5532, 0x5550, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030, 0x3050, 0x3040,
      0x6210, 0x6400, 0x5320, 0x5330, 0x3500, 0x5910, 0x5920},
     5, 240, 10},
    {{0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416}, 5, 250, 10},
    {{0x6020, 0x6022, 0x6024}, 5, 400, 10},
};

const std::initializer_list<int> kUserAction = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5520, 0x5560, 0x5526,
                                                0x5720, 0x5510, 0x5580, 0x5570, 0x3060, 0x5530, 0x5532, 0x5550,
                                                0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030,
                                                0x3050, 0x3040, 0x6210, 0x6400, 0x5910, 0x5920};
const std::initializer_list<int> kVoicePromptProgress = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126};
const std::initializer_list<int> kPackageProgress = {0x5320, 0x5330, 0x3500};
const std::initializer_list<int> kNoPressAndHoldBox = {0x5310, 0x3010, 0x4120, 0x6420, 0x6430,
                                                       0x6020, 0x6022, 0x6024, 0x3020};
const std::initializer_list<int> kPrepareKeys = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5060, 0x5061, 0x5020, 0x5070};
const std::initializer_list<int> kPairAgain = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5060,
                                               0x5061, 0x5011, 0x5020, 0x5070};

UpdateModelProfile Describe(int model) {
    UpdateModelProfile p;
    const ModelUsbIds* usb = GetModelUsbIds(model);
    if (In(model, kVersionGated)) p.path = UPDATE_PATH_VERSION_GATED;
    else if (In(model, kTwoChipPackage)) p.path = UPDATE_PATH_TWO_CHIP_PACKAGE;
    else if (In(model, kVehicle)) p.path = UPDATE_PATH_VEHICLE_MODULE;
    else if (In(model, kVoicePrompt)) p.path = UPDATE_PATH_VOICE_PROMPT;
    else if (In(model, kCamera)) p.path = UPDATE_PATH_CAMERA;
    else if (In(model, kSwitchFirst)) p.path = UPDATE_PATH_SWITCH_FIRST;
    else if (usb && usb->inlineSwitch) p.path = UPDATE_PATH_INLINE_SWITCH;

    for (const Phases& ph : kPhases)
        if (In(model, ph.ids)) {
            p.prepareTicks = ph.a;
            p.transferTicks = ph.t;
            p.restartTicks = ph.b;
            break;
        }

    if (p.path == UPDATE_PATH_VERSION_GATED || p.path == UPDATE_PATH_TWO_CHIP_PACKAGE)
        p.progress = PROGRESS_TWO_CHIP_HID;
    else if (In(model, kVoicePromptProgress)) p.progress = PROGRESS_VOICE_PROMPT;
    else if (In(model, kUserAction)) p.progress = PROGRESS_USER_ACTION;
    else if (In(model, kPackageProgress) || p.path == UPDATE_PATH_SWITCH_FIRST) p.progress = PROGRESS_PACKAGE;
    else if (model == 0x5345 || model == 0x5346) p.progress = PROGRESS_VEHICLE;

    p.slowStart = model == 0x3010 || model == 0x3020;
    p.pressAndHoldBox = !In(model, kNoPressAndHoldBox);
    p.backupFailedBox = p.progress == PROGRESS_TWO_CHIP_HID || p.progress == PROGRESS_VOICE_PROMPT ||
                        p.progress == PROGRESS_USER_ACTION || p.progress == PROGRESS_PACKAGE || model == 0x5345;
    p.hidReadyCheck = p.path == UPDATE_PATH_VERSION_GATED || p.path == UPDATE_PATH_TWO_CHIP_PACKAGE ||
                      p.path == UPDATE_PATH_VOICE_PROMPT || p.path == UPDATE_PATH_CAMERA ||
                      p.path == UPDATE_PATH_SWITCH_FIRST;
    p.moduleReadyCheck = model == 0x5345;
    p.dfuDevices = usb ? usb->devices : 1;
    p.prepareKeys = In(model, kPrepareKeys);
    p.cameraPackage = model == 0x3020;
    if (In(model, kPairAgain)) p.endMessage = END_MESSAGE_PAIR_AGAIN;
    else if (model == 0x5310) p.endMessage = END_MESSAGE_RESTART_HEADSET;
    else if (model == 0x3020) p.endMessage = END_MESSAGE_CAMERA_RECONNECT;
    return p;
}

}  // namespace

const UpdateModelProfile& GetUpdateProfile(int model) {
    static std::map<int, UpdateModelProfile>* cache = new std::map<int, UpdateModelProfile>;
    static CRITICAL_SECTION* lock = [] {
        auto* cs = new CRITICAL_SECTION;
        ::InitializeCriticalSection(cs);
        return cs;
    }();
    ::EnterCriticalSection(lock);
    auto it = cache->find(model);
    if (it == cache->end()) it = cache->emplace(model, Describe(model)).first;
    const UpdateModelProfile& p = it->second;
    ::LeaveCriticalSection(lock);
    return p;
}
