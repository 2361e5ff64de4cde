// The colours the component tree's tests look for at chosen points: its
// lines and box frames.
#pragma once

#include <windows.h>

namespace optiontest {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = 0x808080;

}  // namespace optiontest
