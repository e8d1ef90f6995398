#include "ui/status_bar.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/design.h"
#include "ui/text.h"

namespace ui {

StatusBar::StatusBar(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent) {
    Design plain = design;
    plain.caption.clear();
    // No size grip: the windows that have a status bar have fixed frames. CCS_BOTTOM makes
    // the bar place itself along the parent's bottom edge whenever it is told of a resize.
    CreateChild(STATUSCLASSNAMEW, CCS_BOTTOM, 0, plain);
    for (const auto& c : design.columns) widths_.push_back(c.width);
    if (widths_.empty()) widths_.push_back(-1);
    ShowPanels();
    for (std::size_t i = 0; i < design.columns.size(); ++i)
        SetPanelText(static_cast<int>(i), design.columns[i].caption);
    ParentResized();
}

void StatusBar::ShowPanels() {
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        right += widths_[i];
        edges.push_back(i + 1 == widths_.size() ? -1 : right);
    }
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::CheckPanel(int panel) const {
    if (panel < 0 || panel >= PanelCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(panel) + ")");
}

std::string StatusBar::PanelText(int panel) const {
    CheckPanel(panel);
    LRESULT info = SendMessageW(Handle(), SB_GETTEXTLENGTHW, panel, 0);
    std::wstring w(LOWORD(info) + 1u, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(w.data()));
    w.resize(LOWORD(info));
    return WideToCp1251(w);
}

void StatusBar::SetPanelText(int panel, std::string_view text) {
    CheckPanel(panel);
    SendMessageW(Handle(), SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(Cp1251ToWide(text).c_str()));
}

int StatusBar::PanelWidth(int panel) const {
    CheckPanel(panel);
    return widths_[static_cast<std::size_t>(panel)];
}

void StatusBar::SetPanelWidth(int panel, int width) {
    CheckPanel(panel);
    if (widths_[static_cast<std::size_t>(panel)] == width) return;
    widths_[static_cast<std::size_t>(panel)] = width;
    ShowPanels();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void StatusBar::ParentResized() {
    SendMessageW(Handle(), WM_SIZE, 0, 0);
    // The bar repaints only what a wider window uncovers, which would leave the old right
    // edge of the last panel drawn in the middle of it.
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace ui
