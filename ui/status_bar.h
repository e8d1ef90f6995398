#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/win_control.h"

namespace ui {

// The bar along the bottom of a form, with panels of given widths; the last one reaches to
// the right edge.
class StatusBar : public WinControl {
public:
    StatusBar(Form& owner, WinControl& parent, const Design& design);

    int PanelCount() const { return static_cast<int>(widths_.size()); }
    std::string PanelText(int panel) const;
    void SetPanelText(int panel, std::string_view text);
    int PanelWidth(int panel) const;
    // The last panel still reaches to the right edge, whatever its width.
    void SetPanelWidth(int panel, int width);

private:
    void ParentResized() override;
    void ShowPanels();
    void CheckPanel(int panel) const;

    std::vector<int> widths_;
};

}  // namespace ui
