#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/design.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace velmorant {

// The help window's design: its frame and its one read-only text, and the help text's lines.
const ui::FormDesign& HelpFormDesign();
std::span<const ui::Design> HelpFormComponents();
const std::vector<std::string>& HelpTextLines();

// The help window "Working with the program": a fixed help text in a read-only memo,
// Memo1. It is created once, hidden, and lives for the whole run; Esc closes (hides) it.
class TForm4 : public ui::Form {
public:
    TForm4();

    ui::Memo& Memo1() const { return memo1_; }

    void FormCreate();
    void FormKeyPress(char& key);

private:
    ui::Memo& memo1_;
};

}  // namespace velmorant
