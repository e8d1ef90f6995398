#pragma once

#include <string>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"

namespace velmorant {

// The cable check window: shows the DSR level of the chosen port live, as a large "1" or
// "0", so the user can see whether the cable inverts the line. It takes the main window's
// place while it is shown.
class TForm8 : public ui::Form {
public:
    TForm8();
    ~TForm8() override;

    // The main window: its port box gives the port, and it is shown again on closing.
    // Unset: the application's main form.
    ui::Form* MainWindow = nullptr;

    bool NotVerifying() const { return notVerifying_; }

    void FormCreate();
    void Button1Click();
    void FormClose();
    void FormKeyPress(char& key);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    ui::Form* Main() const;
    // Ends the check under way: idle again, the port closed.
    void StopVerifying();
    void WMCableFailed(WPARAM threadId);

    ui::Label& label1_;
    ui::Button& button1_;
    bool notVerifying_ = true;
    // The number text of the port being checked, for the message when it fails.
    std::string portNumber_;
};

}  // namespace velmorant
