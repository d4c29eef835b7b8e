// One firmware version block of a device: major, minor, secondary version
// type, secondary version and a spare field, in this order.
#pragma once

struct CDeviceVersion {
    int m_nMajor = 0;
    int m_nMinor = 0;
    int m_nSecondaryVersionType = 0;
    int m_nSecondaryVersion = 0;
    int m_nSpare = 0;

    void Set(int major, int minor, int secondaryType, int secondary, int spare) {
        m_nMajor = major;
        m_nMinor = minor;
        m_nSecondaryVersionType = secondaryType;
        m_nSecondaryVersion = secondary;
        m_nSpare = spare;
    }
    void Clear() { Set(0, 0, 0, 0, 0); }
};

inline bool operator==(const CDeviceVersion& a, const CDeviceVersion& b) {
    return a.m_nMajor == b.m_nMajor && a.m_nMinor == b.m_nMinor &&
           a.m_nSecondaryVersionType == b.m_nSecondaryVersionType &&
           a.m_nSecondaryVersion == b.m_nSecondaryVersion && a.m_nSpare == b.m_nSpare;
}
inline bool operator!=(const CDeviceVersion& a, const CDeviceVersion& b) { return !(a == b); }
