#include "core/SettingValues.h"

namespace {

const FmBand kFmBands[FM_REGION_COUNT] = {
    {7600, 10800, 10},  // Worldwide
    {8750, 10790, 20},  // Americas
    {8750, 10800, 10},  // Asia
    {8750, 10790, 20},  // Australia
    {8750, 10800, 10},  // Europe
    {7600, 9500, 10},   // Japan
};

}  // namespace

int TransmitGainToLevelIndex(int gain) {
    if (gain == 12) return 0;
    if (gain == 17) return 2;
    return 1;
}

int FmRegionOrWorldwide(int region) { return region >= 0 && region < FM_REGION_COUNT ? region : 0; }

const FmBand& GetFmBand(int region) { return kFmBands[FmRegionOrWorldwide(region)]; }

int CheckFmFrequency(int region, int f) {
    if (region < 0 || region >= FM_REGION_COUNT) return 1;
    const FmBand& band = kFmBands[region];
    if (f < band.minimum || f > band.maximum) return 1;
    return (f % band.step) == (band.minimum % band.step) ? 0 : 2;
}
