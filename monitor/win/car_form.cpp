#include "monitor/win/car_form.h"

#include "monitor/core/frame_record.h"
#include "monitor/win/car_form_design.h"
#include "ui/application.h"

namespace velmorant {

// The reader refuses a file whose comments a memo could not hold, which would freeze it.
static_assert(ui::Memo::kMaxLength == kMaxCommentLength);

TForm6::TForm6()
    : ui::Form(CarFormDesign(), CarFormComponents()),
      edit1_(Get<ui::Edit>("Edit1")),
      edit2_(Get<ui::Edit>("Edit2")),
      edit3_(Get<ui::Edit>("Edit3")),
      edit4_(Get<ui::Edit>("Edit4")),
      comboBox1_(Get<ui::ComboBox>("ComboBox1")),
      comboBox2_(Get<ui::ComboBox>("ComboBox2")),
      comboBox3_(Get<ui::ComboBox>("ComboBox3")),
      comboBox4_(Get<ui::ComboBox>("ComboBox4")),
      comboBox5_(Get<ui::ComboBox>("ComboBox5")),
      memo1_(Get<ui::Memo>("Memo1")),
      memo2_(Get<ui::Memo>("Memo2")),
      button1_(Get<ui::Button>("Button1")) {
    OnCreate = [this] { FormCreate(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    button1_.OnClick = [this] { Button1Click(); };

    for (ui::Edit* e : {&edit1_, &edit2_, &edit3_, &edit4_}) e->OnChange = [this] { Edit1Change(); };
    comboBox1_.OnChange = [this] { ComboBox1Change(); };
    comboBox2_.OnChange = [this] { ComboBox2Change(); };
    comboBox3_.OnChange = [this] { ComboBox3Change(); };
    comboBox4_.OnChange = [this] { ComboBox4Change(); };
    comboBox5_.OnChange = [this] { ComboBox5Change(); };
    memo1_.OnChange = [this] { Memo1Change(); };
    memo2_.OnChange = [this] { Memo2Change(); };
}

CarDescription TForm6::Car() const {
    return {edit1_.Text(),     edit2_.Text(),     edit3_.Text(),
            comboBox1_.Text(), edit4_.Text(),     comboBox2_.Text(),
            comboBox3_.Text(), comboBox4_.Text(), comboBox5_.Text()};
}

void TForm6::SetCar(const CarDescription& car) {
    edit1_.SetText(car[0]);
    edit2_.SetText(car[1]);
    edit3_.SetText(car[2]);
    comboBox1_.SetText(car[3]);
    edit4_.SetText(car[4]);
    comboBox2_.SetText(car[5]);
    comboBox3_.SetText(car[6]);
    comboBox4_.SetText(car[7]);
    comboBox5_.SetText(car[8]);
}

void TForm6::ApplyKoment(const KomentSettings& k) {
    edit1_.SetText(k.Marka);
    comboBox1_.SetText(k.Year);
    edit4_.SetText(k.Mileage);
    edit2_.SetText(k.DVS);
    comboBox2_.SetText(k.TypeD);
    comboBox3_.SetText(k.Cylinders);
    edit3_.SetText(k.Transm);
    comboBox4_.SetText(k.TypeT);
    comboBox5_.SetText(k.Weels);
}

KomentSettings TForm6::Koment() const {
    return {.Marka = edit1_.Text(),
            .Year = comboBox1_.Text(),
            .Mileage = edit4_.Text(),
            .DVS = edit2_.Text(),
            .TypeD = comboBox2_.Text(),
            .Cylinders = comboBox3_.Text(),
            .Transm = edit3_.Text(),
            .TypeT = comboBox4_.Text(),
            .Weels = comboBox5_.Text()};
}

void TForm6::FormCreate() { SetKeyPreview(true); }

void TForm6::FormClose() { FocusMainWindow(); }

void TForm6::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

void TForm6::Button1Click() {
    Hide();
    FocusMainWindow();
}

void TForm6::Edit1Change() {
    if (RecordHasFileName && RecordHasFileName()) RecordUnsaved = true;
}

void TForm6::FocusMainWindow() {
    ui::Form* main = MainWindow ? MainWindow : ui::App().MainForm();
    if (main && main != this && main->Visible()) main->SetFocus();
}

}  // namespace velmorant
