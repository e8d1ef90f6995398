#pragma once

#include <string>

namespace ui {

class Form;

// Anything a form's design names: controls, menus, timers, dialogs. The form owns it and
// finds it by name.
class Component {
public:
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    // The form that owns the component (a form owns itself).
    Form* Owner() const { return owner_; }

protected:
    Component(std::string name, Form* owner) : name_(std::move(name)), owner_(owner) {}

private:
    std::string name_;
    Form* owner_;
};

}  // namespace ui
