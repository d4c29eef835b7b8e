// The wizard's colours.
#pragma once
#include <windows.h>
#include "app/DpiScale.h"

namespace theme {

const COLORREF kBackground = RGB(243, 246, 250);
const COLORREF kPanel = RGB(226, 233, 242);
const COLORREF kBannerTop = RGB(20, 48, 86);
const COLORREF kBannerBottom = RGB(34, 82, 140);
const COLORREF kBannerText = RGB(255, 255, 255);
const COLORREF kAccent = RGB(0, 99, 177);
const COLORREF kAccentPressed = RGB(0, 74, 135);
const COLORREF kAccentHot = RGB(22, 122, 204);
const COLORREF kAccentDimmed = RGB(118, 152, 186);
const COLORREF kAccentText = RGB(255, 255, 255);
const COLORREF kButtonFill = RGB(255, 255, 255);
const COLORREF kButtonPressed = RGB(220, 229, 240);
const COLORREF kButtonHot = RGB(234, 242, 252);
const COLORREF kButtonBorder = RGB(168, 182, 201);
const COLORREF kButtonText = RGB(30, 45, 68);
const COLORREF kDisabledFill = RGB(236, 239, 243);
const COLORREF kDisabledBorder = RGB(208, 214, 222);
const COLORREF kDisabledText = RGB(150, 158, 170);
const COLORREF kTitleText = RGB(56, 117, 215);
const COLORREF kStatusText = RGB(20, 60, 120);
const COLORREF kErrorText = RGB(210, 40, 20);

// Geometry shared by the wizard and its boxes, in pixels.
const int kButtonRadius = 6;     // corner of the flat buttons
const int kButtonPadding = 6;    // caption to the button's edge
const int kBoxMargin = 14;       // a box's edge to its content
const int kBoxButtonHeight = 28;
const int kBoxButtonMinWidth = 92;
const int kBoxButtonGap = 8;

// The same in pixels of this display: they grow with its scaling.
inline int BoxMargin() { return dpiscale::X(kBoxMargin); }
inline int BoxButtonHeight() { return dpiscale::Y(kBoxButtonHeight); }
inline int BoxButtonMinWidth() { return dpiscale::X(kBoxButtonMinWidth); }
inline int BoxButtonGap() { return dpiscale::X(kBoxButtonGap); }
inline int ButtonPadding() { return dpiscale::X(kButtonPadding); }

}  // namespace theme
