#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/form.h"

namespace ui {

// The program's forms and its message loop. The first form created is the main form:
// closing it ends the loop, and the other forms are owned by it, so that only it has a
// taskbar button and the others stay with it.
class Application {
public:
    ~Application();

    // Also the caption of the standard error box.
    void SetTitle(std::string title);
    const std::string& Title() const;

    // Constructs the form, keeps it for the rest of the run, then runs its OnCreate.
    template <class T, class... Args>
    T& CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *form;
        Adopt(std::move(form));
        ref.Create();
        return ref;
    }
    Form* MainForm() const { return mainForm_; }

    // Dispatches messages until the main form closes or Terminate is called.
    void Run();
    // Dispatches every message waiting now, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // One message through key preview and tab navigation to its window.
    static void Dispatch(MSG& msg);

    // Destroys the forms, newest first.
    void DestroyForms();

private:
    void Adopt(std::unique_ptr<Form> form);

    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
};

Application& App();
// App().ProcessMessages(): lets pending messages (painting above all) through mid-handler.
void ProcessMessages();

}  // namespace ui
