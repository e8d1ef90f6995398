#pragma once

#include <functional>
#include <string>

#include "monitor/core/record_file.h"
#include "monitor/core/settings.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace velmorant {

// The car description window: the description of the car of the record in memory and two
// free-text comments, Memo1 (additional description) and Memo2 (reasons for diagnostics).
// It is created once, hidden, and lives for the whole run.
class TForm6 : public ui::Form {
public:
    TForm6();

    // The nine texts in file order: car model, engine model, transaxle model, year,
    // mileage, engine type, cylinders, transmission, drive.
    CarDescription Car() const;
    void SetCar(const CarDescription& car);

    // The settings file's defaults into the nine fields, and the fields as they stand back
    // for writing them as the next start's defaults.
    void ApplyKoment(const KomentSettings& koment);
    KomentSettings Koment() const;

    ui::Memo& Memo1() const { return memo1_; }
    ui::Memo& Memo2() const { return memo2_; }

    // Set by the main window: whether the record in memory has a file name (the first
    // panel of its status bar is not empty). Unset counts as no file name.
    std::function<bool()> RecordHasFileName;
    // Set by the main window: the window that gets the focus back on "OK" and on closing,
    // when it is visible. Unset: the application's main form.
    ui::Form* MainWindow = nullptr;

    void FormCreate();
    void FormClose();
    void FormKeyPress(char& key);
    void Button1Click();
    // The change family: every handler has the same body.
    void Edit1Change();
    void ComboBox1Change() { Edit1Change(); }
    void ComboBox2Change() { Edit1Change(); }
    void ComboBox3Change() { Edit1Change(); }
    void ComboBox4Change() { Edit1Change(); }
    void ComboBox5Change() { Edit1Change(); }
    void Memo1Change() { Edit1Change(); }
    void Memo2Change() { Edit1Change(); }

private:
    void FocusMainWindow();

    ui::Edit& edit1_;
    ui::Edit& edit2_;
    ui::Edit& edit3_;
    ui::Edit& edit4_;
    ui::ComboBox& comboBox1_;
    ui::ComboBox& comboBox2_;
    ui::ComboBox& comboBox3_;
    ui::ComboBox& comboBox4_;
    ui::ComboBox& comboBox5_;
    ui::Memo& memo1_;
    ui::Memo& memo2_;
    ui::Button& button1_;
};

}  // namespace velmorant
