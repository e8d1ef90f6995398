#include "ui/application.h"

#include "ui/error_box.h"
#include "ui/window_class.h"

namespace ui {

Application::~Application() { DestroyForms(); }

void Application::SetTitle(std::string title) { SetApplicationTitle(std::move(title)); }

const std::string& Application::Title() const { return ApplicationTitle(); }

void Application::Adopt(std::unique_ptr<Form> form) {
    if (!mainForm_) {
        mainForm_ = form.get();
    } else {
        // Owned by the main form (set after creation, which is how an owner is changed).
        SetWindowLongPtrW(form->Handle(), GWLP_HWNDPARENT,
                          reinterpret_cast<LONG_PTR>(mainForm_->Handle()));
    }
    forms_.push_back(std::move(form));
}

void Application::DestroyForms() {
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
}

void Application::Dispatch(MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && IsFormWindow(root) &&
            SendMessageW(root, KeyPreviewMessage(), 0, reinterpret_cast<LPARAM>(&msg)))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Application::Run() {
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void Application::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

Application& App() {
    static Application app;
    return app;
}

void ProcessMessages() { App().ProcessMessages(); }

}  // namespace ui
