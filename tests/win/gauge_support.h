#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/form.h"

namespace gauge_test {

inline void Fill(ui::Bitmap& bitmap, ui::Colour colour) {
    ui::Canvas& c = bitmap.GetCanvas();
    c.SetBrushStyle(ui::BrushStyle::Solid);
    c.SetBrushColour(colour);
    c.FillRect(RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

// A control that counts its paints.
template <class Control>
struct Counting : Control {
    using Control::Control;
    int paints = 0;
    void Paint(ui::Canvas& canvas) override {
        ++paints;
        Control::Paint(canvas);
    }
};

// A shown form hosting one gauge control; Flush() runs the paints that are due and returns
// how many paints the control got since the last call.
template <class Control>
struct Host {
    ui::Form form{ui::FormDesign{.name = "GaugeHost",
                                 .caption = "Gauges",
                                 .left = 10,
                                 .top = 10,
                                 .clientWidth = 400,
                                 .clientHeight = 300},
                  {}};
    Counting<Control>& control;

    explicit Host(const std::string& name)
        : control(form.Adopt(std::make_unique<Counting<Control>>(form, form, name))) {
        form.Show();
        Flush();
    }
    int Flush() {
        UpdateWindow(form.Handle());
        int n = control.paints;
        control.paints = 0;
        return n;
    }
};

// The control painted alone on a bitmap of its size filled with `background` first.
template <class Control>
ui::Bitmap Painted(Control& control, ui::Colour background) {
    ui::Bitmap bitmap(control.Width(), control.Height());
    Fill(bitmap, background);
    control.Paint(bitmap.GetCanvas());
    return bitmap;
}

}  // namespace gauge_test
