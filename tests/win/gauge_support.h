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
    // The form's client area as its own paint put it on the screen.
    ui::Bitmap OnScreen() {
        InvalidateRect(form.Handle(), nullptr, FALSE);
        Flush();
        ui::Bitmap bitmap(form.ClientWidth(), form.ClientHeight());
        HDC dc = GetDC(form.Handle());
        BitBlt(bitmap.Dc(), 0, 0, bitmap.Width(), bitmap.Height(), dc, 0, 0, SRCCOPY);
        ReleaseDC(form.Handle(), dc);
        return bitmap;
    }
    // The form's client area painted into a bitmap, as a print of the window does it.
    ui::Bitmap Printed() {
        ui::Bitmap bitmap(form.ClientWidth(), form.ClientHeight());
        SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.Dc()),
                     PRF_CLIENT);
        return bitmap;
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
