#pragma once

#include <windows.h>

#include <cstdint>

namespace ui {

// A Windows colour 0x00BBGGRR, or a system colour (kSystemColour plus a COLOR_ index), or
// kDefaultColour, which a design uses for "the usual colour of this kind of control".
using Colour = std::uint32_t;

inline constexpr Colour kSystemColour = 0x80000000u;
inline constexpr Colour kDefaultColour = 0x20000000u;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kMaroon = 0x000080;
inline constexpr Colour kLime = 0x00FF00;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kNavy = 0x800000;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kFuchsia = 0xFF00FF;

inline constexpr Colour kBtnFace = kSystemColour | COLOR_BTNFACE;
inline constexpr Colour kWindow = kSystemColour | COLOR_WINDOW;
inline constexpr Colour kWindowText = kSystemColour | COLOR_WINDOWTEXT;

// The RGB value Win32 paints with; system colours are looked up now.
COLORREF ToRgb(Colour colour);

}  // namespace ui
