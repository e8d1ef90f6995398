#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/colour.h"
#include "ui/component.h"
#include "ui/font.h"

namespace ui {

class WinControl;
class Canvas;
class PopupMenu;

enum class MouseButton { Left, Right, Middle };
// Button and position in the control's client coordinates.
using MouseEvent = std::function<void(MouseButton button, int x, int y)>;

// What every control has: a place on its parent, visibility, enabled state, a caption or
// text, a font, a colour and a hint. Visible is the control's own setting: a control on a
// hidden form is still Visible.
class Control : public Component {
public:
    ~Control() override;

    WinControl* Parent() const { return parent_; }

    // Place and size in the parent's client coordinates (for forms: on the screen).
    virtual RECT Bounds() const = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const { return Bounds().right - Bounds().left; }
    int Height() const { return Bounds().bottom - Bounds().top; }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Caption and Text are the same property under the names the windows use for them.
    virtual std::string Caption() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    std::string Text() const { return Caption(); }
    void SetText(std::string_view text) { SetCaption(text); }

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    Colour GetColour() const { return colour_; }
    void SetColour(Colour colour);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);

    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;

    // The menu that a right click on the control opens at the mouse (nullptr: none).
    PopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

protected:
    Control(std::string name, Form* owner, WinControl* parent);

    virtual void ApplyVisible() = 0;
    virtual void ApplyEnabled() = 0;
    virtual void ApplyFont() = 0;
    virtual void ApplyColour() = 0;
    virtual void ApplyHint() {}

private:
    friend class WinControl;
    // The parent's client area changed size (status bars follow the bottom edge).
    virtual void ParentResized() {}

    WinControl* parent_;
    bool visible_ = false;
    bool enabled_ = true;
    Font font_;
    Colour colour_ = kBtnFace;
    std::string hint_;
    PopupMenu* popupMenu_ = nullptr;
};

// A control without a window of its own: it paints on its parent's surface inside its
// bounds whenever the parent paints. Only forms and panels host them.
class GraphicControl : public Control {
public:
    RECT Bounds() const override { return bounds_; }
    void SetBounds(int left, int top, int width, int height) override;
    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view caption) override;

    // Repaints the control's part of the parent.
    void Invalidate();

    // Paints with the origin at the control's top left, clipped to its bounds.
    virtual void Paint(Canvas& canvas) = 0;

    // The parent hands over the mouse buttons that go down over the control, and their
    // release wherever it happens, in the control's coordinates. These run the events.
    virtual void MouseDown(MouseButton button, int x, int y);
    virtual void MouseUp(MouseButton button, int x, int y);

protected:
    GraphicControl(std::string name, Form* owner, WinControl& parent, RECT bounds);

    void ApplyVisible() override { Invalidate(); }
    void ApplyEnabled() override { Invalidate(); }
    void ApplyFont() override { Invalidate(); }
    void ApplyColour() override { Invalidate(); }

private:
    RECT bounds_;
    std::string caption_;
};

}  // namespace ui
