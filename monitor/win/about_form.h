#pragma once

#include <span>
#include <string>

#include "monitor/core/settings.h"
#include "ui/design.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"

namespace velmorant {

// The main program's about window's design: its frame and its components, in building order.
const ui::FormDesign& AboutFormDesign();
std::span<const ui::Design> AboutFormComponents();

// The main program's about window "About": the program's name, its purpose, the version
// line (Label7, set on every showing) and a contact address. It is created once, hidden,
// and lives for the whole run; Esc closes (hides) it.
class TForm5 : public ui::Form {
public:
    TForm5();

    ui::Label& Label7() const { return label7_; }
    ui::Image& Image1() const { return image1_; }

    void FormCreate();
    void FormShow();
    void FormKeyPress(char& key);

private:
    void DrawPicture();

    ui::Image& image1_;
    ui::Label& label7_;
};

}  // namespace velmorant
