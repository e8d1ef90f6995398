#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

struct Design;

// A control with a window of its own, which it creates, subclasses and destroys. The object
// is found from its window through the subclass reference data. Each parent reflects the
// notifications of its children (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_CTLCOLOR*) back to
// the child object, which decodes its own. Every message runs inside the layer's error
// barrier.
class WinControl : public Control {
public:
    ~WinControl() override;

    HWND Handle() const { return hwnd_; }
    // The object of a window made by the layer in this module; nullptr for any other.
    static WinControl* FromHandle(HWND hwnd);

    RECT Bounds() const override;
    void SetBounds(int left, int top, int width, int height) override;
    std::string Caption() const override;
    void SetCaption(std::string_view caption) override;

    // Takes the keyboard focus now when the form is active, otherwise when it next becomes
    // active.
    virtual void SetFocus();
    bool Focused() const;
    void Invalidate();
    // Invalidates and paints at once.
    void Repaint();

    // Destroys the window; the object stays and knows no window.
    void DestroyHandle();

    const std::vector<Control*>& Children() const { return children_; }

protected:
    WinControl(std::string name, Form* owner, WinControl* parent);

    // Creates the child window of the given class at the design's place, hidden: the form
    // builder shows it once its properties are set.
    void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, const Design& design);
    // Creates a window with the given parent and subclasses it.
    void CreateHandle(const wchar_t* className, const std::wstring& text, DWORD style,
                      DWORD exStyle, RECT bounds, HWND parent, UINT_PTR id);

    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification of this control that its parent received; false when it is not handled.
    virtual bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The answer to WM_CTLCOLOR*: text and background colours set, and the brush.
    virtual HBRUSH ControlColour(HDC dc);
    HBRUSH Brush();

    // Forms and panels: their colour, then their graphic controls.
    void PaintSurface(HDC dc, const RECT& area);
    // Answers WM_ERASEBKGND (nothing: the paint covers all), WM_PAINT and WM_PRINTCLIENT
    // with `paint`; false for any other message.
    template <class Paint>
    bool PaintMessage(UINT msg, WPARAM wParam, Paint&& paint, LRESULT& result) {
        switch (msg) {
            case WM_ERASEBKGND:
                result = 1;
                return true;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(Handle(), &ps);
                struct End {
                    HWND h;
                    PAINTSTRUCT* p;
                    ~End() { EndPaint(h, p); }
                } end{Handle(), &ps};
                paint(dc, ps.rcPaint);
                result = 0;
                return true;
            }
            case WM_PRINTCLIENT: {
                RECT r;
                GetClientRect(Handle(), &r);
                paint(reinterpret_cast<HDC>(wParam), r);
                result = 0;
                return true;
            }
            default:
                return false;
        }
    }

    void ApplyVisible() override;
    void ApplyEnabled() override;
    void ApplyFont() override;
    void ApplyColour() override;
    void ApplyHint() override;

private:
    friend class Control;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    void MouseEventFor(MouseEvent& event, MouseButton button, LPARAM lParam);
    // A button went down or up: to the graphic child under the mouse (or the one that had
    // it go down), else to this control's own events; a right release opens a popup menu.
    void MouseButtonMessage(bool down, MouseButton button, LPARAM lParam);
    GraphicControl* GraphicChildAt(int x, int y) const;

    HWND hwnd_ = nullptr;
    HFONT hfont_ = nullptr;
    HBRUSH brush_ = nullptr;
    std::vector<Control*> children_;
    GraphicControl* mouseTarget_ = nullptr;
};

}  // namespace ui
