#include "ui/control.h"

#include <algorithm>

#include "ui/win_control.h"

namespace ui {

Control::Control(std::string name, Form* owner, WinControl* parent)
    : Component(std::move(name), owner), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    if (parent_) {
        auto& c = parent_->children_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
}

void Control::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void Control::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void Control::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void Control::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    ApplyVisible();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    ApplyEnabled();
}

void Control::SetFont(const Font& font) {
    font_ = font;
    ApplyFont();
}

void Control::SetColour(Colour colour) {
    colour_ = colour;
    ApplyColour();
}

void Control::SetHint(std::string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    ApplyHint();
}

GraphicControl::GraphicControl(std::string name, Form* owner, WinControl& parent, RECT bounds)
    : Control(std::move(name), owner, &parent), bounds_(bounds) {}

void GraphicControl::SetBounds(int left, int top, int width, int height) {
    RECT fresh{left, top, left + width, top + height};
    if (EqualRect(&fresh, &bounds_)) return;
    Invalidate();
    bounds_ = fresh;
    Invalidate();
}

void GraphicControl::SetCaption(std::string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Invalidate();
}

void GraphicControl::MouseDown(MouseButton button, int x, int y) {
    if (OnMouseDown) OnMouseDown(button, x, y);
}

void GraphicControl::MouseUp(MouseButton button, int x, int y) {
    if (OnMouseUp) OnMouseUp(button, x, y);
}

void GraphicControl::Invalidate() {
    if (Parent() && Parent()->Handle()) InvalidateRect(Parent()->Handle(), &bounds_, TRUE);
}

}  // namespace ui
