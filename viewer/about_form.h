#pragma once

#include <span>
#include <string>

#include "monitor/core/settings.h"
#include "ui/design.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"

namespace velmorant::viewer {

// Viewer's about window's design: its frame and its components, in building order.
const ui::FormDesign& AboutFormDesign();
std::span<const ui::Design> AboutFormComponents();

// Viewer's about window: the plug-in's title, its icon, the version line and a contact
// address. Created once, hidden; shown modally from the viewer window; Esc closes it.
class TForm5 : public ui::Form {
public:
    TForm5();

    ui::Label& Label7() const { return label7_; }
    ui::Image& Image1() const { return image1_; }

    void FormCreate();
    void FormShow();
    void FormKeyPress(char& key);

private:
    void DrawIcon();

    ui::Image& image1_;
    ui::Label& label7_;
};

}  // namespace velmorant::viewer
