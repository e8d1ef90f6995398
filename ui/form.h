#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/design.h"
#include "ui/win_control.h"

namespace ui {

class MainMenu;

enum class CloseAction { None, Hide };

// A top-level window built from its design. It owns its components and finds them by
// name; a window class derives from it, takes references to its components with Get<T>
// and puts its handlers on their events.
//
// Closing (the system menu, Alt+F4 or Close()) asks OnCloseQuery, then OnClose, and hides
// the form unless OnClose answered CloseAction::None; closing the application's main form
// ends the message loop instead. With key preview on, the form sees each key first
// (OnKeyDown with the virtual key, OnKeyPress with the character) and a handler that sets
// the key to 0 keeps it from the focused control. Esc while a combo box's list is dropped
// down only closes the list: the form does not see it.
class Form : public WinControl {
public:
    Form(const FormDesign& design, std::span<const Design> components);
    ~Form() override;

    // Builds one more component from a design row, as the table's rows are built (menu
    // commands added at run time come this way).
    Component& AddComponent(const Design& design);
    // Takes a component made outside the design table (controls of other libraries, such as
    // the gauges): owned, found by name and destroyed like the built ones.
    Component& Adopt(std::unique_ptr<Component> component);
    template <class T>
    T& Adopt(std::unique_ptr<T> component) {
        T& adopted = *component;
        Adopt(std::unique_ptr<Component>(std::move(component)));
        return adopted;
    }
    Component* FindComponent(std::string_view name) const;
    // The component of that name and type; a missing or different one is a program error.
    template <class T>
    T& Get(std::string_view name) const {
        if (auto* c = dynamic_cast<T*>(FindComponent(name))) return *c;
        throw std::logic_error("No component " + std::string(name) + " of that kind on " + Name());
    }
    MainMenu* Menu() const { return menu_; }

    // Runs OnCreate inside the error barrier; Application::CreateForm calls it once the
    // window class has put its handlers in place.
    void Create();

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // Showing runs OnShow (an error in it ends in the error box and the form still shows)
    // and brings the form to the front, activated; so does showing a visible form.
    void Show();
    void Close();
    // Shows the form and disables the application's other windows until the form closes
    // or gets a modal result; returns that result (IDCANCEL when closed).
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    // The modal steps counted while the form runs its modal loop (its own the deepest); 0
    // when it is not modal.
    int ModalLoopDepth() const { return modal_ ? modalDepth_ : 0; }
    void SetModalResult(int result) { modalResult_ = result; }

    // The title is kept beside the window: only the form sets it, and reading a top-level
    // window's text back costs a round trip to the window server under Wine.
    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view caption) override;

    // Brings the visible form to the front, activated, once the message under way is handled.
    // A deactivation handler runs inside the activation of another form, which would still
    // count as the active form after an activation at once.
    void BringToFrontLater();

    // Activates the form; its last focused control takes the focus again.
    void SetFocus() override;
    bool Active() const;

    std::function<void()> OnCreate;
    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnResize;
    // The form becomes, or stops being, the application's active form: activation moving
    // between forms. Message boxes and dialogs, and other programs, leave the active form
    // as it is.
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void(CloseAction& action)> OnClose;
    std::function<void(WORD& key)> OnKeyDown;
    std::function<void(char& key)> OnKeyPress;

    // Layer internals: hints shown for a control's window, and the control that takes the
    // focus when the form is next activated.
    void SetToolHint(HWND tool, const std::string& text);
    void FocusOnActivation(HWND control) { lastFocus_ = control; }
    void SetMenu(MainMenu* menu) { menu_ = menu; }
    // The message loop hands each key message here first; true when it was used up.
    bool PreviewKey(MSG& msg);

    // While a modal step is under way (ui::ModalStepOpen), keeps the message to be posted
    // to the form again once no step is open, brings the step's dialog to the front and
    // answers true; otherwise false, and the caller handles the message now. Close requests
    // wait so; a form holds the worker reports that would end in a box the same way.
    bool HoldWhileModal(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ApplyVisible() override;

private:
    void FitClientSize();
    bool KeyDown(WORD& key);
    bool KeyPress(WPARAM& character);
    bool TabToNextControl(const MSG& msg);
    bool PressFocusedButton();
    void RestoreFocus();
    void BecomeActiveForm();
    // What a close does once it is not refused.
    void Closed();
    // The end of the Windows session: asked like a close, unless a modal step is open.
    LRESULT QueryEndSession();
    void EndSession(bool ending);
    void PostHeldMessages();

    struct HeldMessage {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const HeldMessage&) const = default;
    };
    std::vector<HeldMessage> held_;

    std::string caption_;
    std::vector<std::unique_ptr<Component>> components_;
    std::map<std::string, Component*, std::less<>> byName_;
    MainMenu* menu_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool keyPreview_ = false;
    bool escapeClosedList_ = false;  // the last key-down was an Esc that closed a combo's list
    int wantedClientWidth_ = 0;
    int wantedClientHeight_ = 0;
    int modalResult_ = 0;
    bool modal_ = false;
    int modalDepth_ = 0;
    bool closing_ = false;
    bool activeForm_ = false;
};

}  // namespace ui
