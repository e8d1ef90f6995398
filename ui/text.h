#pragma once

#include <string>
#include <string_view>

namespace ui {

// The program's texts are code page 1251; Win32 is called through its UTF-16 functions so
// that Cyrillic shows on any system locale.
std::wstring Cp1251ToWide(std::string_view text);
// Characters without a place in code page 1251 become '?'.
std::string WideToCp1251(std::wstring_view text);

}  // namespace ui
