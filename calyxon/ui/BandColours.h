// The pen colour of each of the 32 bands in the lower plot: colour numbers, or system colours
// by index (resolved to the classic palette when drawn).
#pragma once

#include <array>

#include "calyxon/eq/EqDesign.h"
#include "forms/Color.h"

namespace calyxon {

inline constexpr forms::TColor kSkyBlue = forms::rgb(0xA6, 0xCA, 0xF0);
inline constexpr forms::TColor kMoneyGreen = forms::rgb(0xC0, 0xDC, 0xC0);
inline constexpr forms::TColor kMediumGrey = forms::rgb(0xA0, 0xA0, 0xA4);

inline constexpr std::array<forms::TColor, kBandCount> BandColours = {
    forms::clRed,
    forms::clAqua,
    forms::clBackground,
    forms::clBlue,
    forms::clActiveCaption,
    forms::clInactiveCaption,
    forms::clGreen,
    forms::clGray,
    forms::clRed,
    forms::clTeal,
    forms::clNavy,
    kMediumGrey,
    forms::clAppWorkSpace,
    kMoneyGreen,
    forms::clMaroon,
    forms::clTeal,
    forms::clPurple,
    forms::clBtnShadow,
    forms::clRed,
    forms::clLime,
    forms::clBlue,
    kSkyBlue,
    forms::clNavy,
    forms::clOlive,
    forms::cl3DDkShadow,
    forms::clYellow,
    forms::clRed,
    forms::clTeal,
    forms::clPurple,
    forms::clGreen,
    forms::clGradientInactiveCaption,
    forms::clBlue,
};

}  // namespace calyxon
