#pragma once

#include <array>
#include <optional>

namespace velmorant {

// The main window's layout for the options "Bytes Protocol" and "Three References".
struct MainWindowLayout {
    int Width = 0;  // outer width
    int Edit1Width = 0;
    int ScrollBar1Width = 0;
    bool ReferencesVisible = false;  // ListView3..5 and Button2..4
    bool BytesVisible = false;       // Label1, Label2 and ListView6
    // Lefts of ListView3..5 and Button2..4; left as they are when empty.
    std::optional<std::array<int, 3>> ReferenceListLefts;
    std::optional<std::array<int, 3>> ReferenceButtonLefts;
};

MainWindowLayout MainWindowLayoutFor(bool bytesProtocol, bool threeReferences, int panel1Width);

}  // namespace velmorant
