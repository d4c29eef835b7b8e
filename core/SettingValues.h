// Small rules on setting values.
#pragma once

// Item of the Low/Medium/High texts for a radio transmit gain:
// 0 for 12, 2 for 17, 1 for any other value.
int TransmitGainToLevelIndex(int gain);

// FM regions 0 to 5: Worldwide, Americas, Asia, Australia, Europe, Japan.
const int FM_REGION_COUNT = 6;

// The band of an FM region in 10 kHz units: its ends and channel step.
struct FmBand {
    int minimum;
    int maximum;
    int step;
};
// A region as a table index: regions outside 0..5 (from a device or an
// archive) count as 0, Worldwide.
int FmRegionOrWorldwide(int region);
// The band of FmRegionOrWorldwide(region).
const FmBand& GetFmBand(int region);

// Checks a frequency f (10 kHz units) against an FM region: 1 when it lies
// outside the region's band, 0 when it is on the region's channel grid,
// 2 when it is inside the band but off the grid. An unknown region gives 1.
int CheckFmFrequency(int region, int f);
