#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "monitor/win/about_form.h"
#include "monitor/win/help_form.h"
#include "tests/win/pump.h"
#include "tests/win/window_text.h"
#include "ui/application.h"

using namespace velmorant;

using velmorant::test::PumpFor;

using velmorant::test::WindowText;

namespace {

// The texts here are plain ASCII, so widening them byte by byte is their UTF-16 form.
std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void ExpectDialogFrame(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

// Esc typed into the given control of a shown window hides the window, which stays alive
// for the next showing; closing it from its frame only hides it too.
void ExpectEscAndCloseHide(ui::Form& form, HWND typedInto) {
    form.Show();
    PumpFor(30);
    ASSERT_TRUE(form.Visible());
    PostMessageW(typedInto, WM_CHAR, VK_ESCAPE, 1);
    PumpFor(50);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindow(form.Handle()));

    form.Show();
    PumpFor(30);
    ASSERT_TRUE(IsWindowVisible(form.Handle()));
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    PumpFor(30);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(IsWindow(form.Handle()));

    // Another key leaves the window shown.
    form.Show();
    PumpFor(30);
    PostMessageW(typedInto, WM_CHAR, 'a', 1);
    PumpFor(50);
    EXPECT_TRUE(form.Visible());
    form.Hide();
}

const std::vector<std::string> kHeadings = {
    "What should I do to start:", "How to start:",        "Graphics:",
    "Working with files:",        "Some facts:",          "The methodology of the test vehicle:",
    "Optional entries:",
};

class HelpFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm4>();
        form->Create();
    }
    std::unique_ptr<TForm4> form;
};

TEST_F(HelpFormTest, FrameCaptionAndSize) {
    EXPECT_EQ(form->Caption(), "Working with the program");
    EXPECT_EQ(WindowText(form->Handle()), L"Working with the program");
    EXPECT_EQ(form->ClientWidth(), 747);
    EXPECT_EQ(form->ClientHeight(), 259);
    const SIZE size = ClientSize(form->Handle());
    EXPECT_EQ(size.cx, 747);
    EXPECT_EQ(size.cy, 259);
    ExpectDialogFrame(form->Handle());
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_FALSE(form->Visible());
}

TEST_F(HelpFormTest, MemoIsReadOnlyCourierWithVerticalScrollBar) {
    ui::Memo& memo = form->Memo1();
    EXPECT_EQ(&memo, &form->Get<ui::Memo>("Memo1"));
    const RECT b = memo.Bounds();
    EXPECT_EQ(b.left, 6);
    EXPECT_EQ(b.top, 6);
    EXPECT_EQ(b.right - b.left, 735);
    EXPECT_EQ(b.bottom - b.top, 246);
    EXPECT_TRUE(memo.ReadOnly());
    const LONG style = GetWindowLongW(memo.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_EQ(memo.GetFont().name, "Courier New");
    EXPECT_EQ(memo.GetFont().height, 13);
}

TEST_F(HelpFormTest, HelpTextHasSeventySevenLinesInSevenSections) {
    const std::vector<std::string> lines = form->Memo1().Lines();
    EXPECT_EQ(lines, HelpTextLines());
    ASSERT_EQ(lines.size(), 77u);
    EXPECT_EQ(form->Memo1().LineCount(), 77);

    // Each section opens with its heading: the first line, and each line after an empty one.
    std::vector<std::string> headings{lines.front()};
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i - 1].empty()) headings.push_back(lines[i]);
    EXPECT_EQ(headings, kHeadings);
    EXPECT_FALSE(lines.back().empty());

    // The window's own text is those lines, joined by line breaks.
    std::wstring joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) joined += L"\r\n";
        joined += Wide(lines[i]);
    }
    const std::wstring shown = WindowText(form->Memo1().Handle());
    EXPECT_TRUE(shown == joined || shown == joined + L"\r\n");
}

TEST_F(HelpFormTest, HelpTextStatesTheFacts) {
    std::string all;
    for (const std::string& l : form->Memo1().Lines()) all += l + "\n";
    for (const char* fact : {"1 GHz", "COM-to-USB", "1.5 to 3.3 nF", "Te2 and E1",
                             "pin 5", "Vf1", "pin 6", "220 V", "\"Read\"", "DTR", "inverted",
                             "up to six parameters", "Excel", "stops the reading",
                             "rich/lean", "25 to 30 kPa", "30 to 40 %", "10 and 25 degrees",
                             "E1 and TE1", "1.25 and 3.75 V", "0.51 V", "85 degrees",
                             "10 to 15 seconds", "flag 11.0", "2500 to 3000 rpm",
                             "selector in D", "above", "80 degrees", "drive"})
        EXPECT_NE(all.find(fact), std::string::npos) << fact;
    // Lines fit the text box across: no line is longer than the box shows.
    for (const std::string& l : form->Memo1().Lines()) EXPECT_LE(l.size(), 84u) << l;
}

TEST_F(HelpFormTest, EscHidesTheWindow) { ExpectEscAndCloseHide(*form, form->Memo1().Handle()); }

// The help text cannot be changed by typing.
TEST_F(HelpFormTest, TypingLeavesTheTextAsItIs) {
    form->Show();
    PumpFor(30);
    PostMessageW(form->Memo1().Handle(), WM_CHAR, 'x', 1);
    PumpFor(50);
    EXPECT_EQ(form->Memo1().Lines(), HelpTextLines());
    form->Hide();
}

class AboutFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm5>();
        form->Create();
    }
    ui::Label& Label(const std::string& name) { return form->Get<ui::Label>(name); }
    std::unique_ptr<TForm5> form;
};

TEST_F(AboutFormTest, FrameCaptionAndSize) {
    EXPECT_EQ(form->Caption(), "About");
    EXPECT_EQ(WindowText(form->Handle()), L"About");
    EXPECT_EQ(form->ClientWidth(), 385);
    EXPECT_EQ(form->ClientHeight(), 192);
    const SIZE size = ClientSize(form->Handle());
    EXPECT_EQ(size.cx, 385);
    EXPECT_EQ(size.cy, 192);
    ExpectDialogFrame(form->Handle());
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_EQ(form->GetFont().name, "Courier New");
    EXPECT_FALSE(form->Visible());
}

TEST_F(AboutFormTest, LabelsTextsAndFonts) {
    struct Row {
        const char* name;
        const char* text;
        int height;
        bool bold;
        ui::Colour colour;  // kDefaultColour: not checked
    };
    const Row rows[] = {
        {"Label1", "Velmorant ", 19, true, ui::kDefaultColour},
        {"Label8", "for TOYOTA's cars", 19, true, ui::kDefaultColour},
        {"Label2", "Purpose - reading  information from", 13, true, ui::kDefaultColour},
        {"Label3", "Engine Control Unit (Toyota's vehicles)", 13, true, ui::kDefaultColour},
        {"Label4", "via OBD-I protocol", 13, true, ui::kDefaultColour},
        {"Label7", "Version 8000 Stable Edition [English]", 13, false, ui::kRed},
        {"Label5", "Feedback:", 13, false, ui::kDefaultColour},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ui::Label& l = Label(r.name);
        EXPECT_EQ(l.Caption(), r.text);
        EXPECT_EQ(WindowText(l.Handle()), Wide(r.text));
        EXPECT_EQ(l.GetFont().name, "Courier New");
        EXPECT_EQ(l.GetFont().height, r.height);
        EXPECT_EQ(l.GetFont().bold, r.bold);
        if (r.colour != ui::kDefaultColour) {
            EXPECT_EQ(l.GetFont().colour, r.colour);
        }
        // Each label fits inside the window.
        const RECT b = l.Bounds();
        EXPECT_GT(b.right - b.left, 0);
        EXPECT_LE(b.right, 385);
        EXPECT_LE(b.bottom, 192);
    }
    // The name is above its "for" line; the address is beside "Feedback:", in navy.
    EXPECT_LT(Label("Label1").Bounds().bottom, Label("Label8").Bounds().top + 1);
    ui::Label& address = Label("Label6");
    EXPECT_FALSE(address.Caption().empty());
    EXPECT_EQ(address.GetFont().colour, ui::kNavy);
    EXPECT_EQ(address.Bounds().top, Label("Label5").Bounds().top);
    EXPECT_GE(address.Bounds().left, Label("Label5").Bounds().right);
    EXPECT_LE(address.Bounds().right, 385);
}

TEST_F(AboutFormTest, PictureAtTheTopLeftOnTheWindowsColour) {
    ui::Image& image = form->Image1();
    const RECT b = image.Bounds();
    EXPECT_LT(b.left, 10);
    EXPECT_LT(b.top, 10);
    EXPECT_EQ(b.right - b.left, 115);
    EXPECT_EQ(b.bottom - b.top, 60);
    EXPECT_EQ(image.Picture().Width(), 115);
    EXPECT_EQ(image.Picture().Height(), 60);
    // Corners show the window's colour; the middle shows the drawing.
    const ui::Colour face = ui::ToRgb(ui::kBtnFace);
    EXPECT_EQ(image.Picture().Pixel(0, 0), face);
    EXPECT_EQ(image.Picture().Pixel(114, 0), face);
    EXPECT_NE(image.Picture().Pixel(57, 30), face);
    // The picture does not cover the name beside it.
    EXPECT_LE(b.right, Label("Label1").Bounds().left);
}

TEST_F(AboutFormTest, EveryShowingSetsTheVersionLine) {
    EXPECT_EQ(AboutVersionLine(), "Version 8000 Stable Edition [English]");
    for (int showing = 0; showing < 2; ++showing) {
        form->Label7().SetCaption("stale");
        form->Show();
        PumpFor(20);
        EXPECT_EQ(form->Label7().Caption(), "Version 8000 Stable Edition [English]");
        EXPECT_EQ(WindowText(form->Label7().Handle()), L"Version 8000 Stable Edition [English]");
        form->Hide();
    }
}

TEST_F(AboutFormTest, EscHidesTheWindow) { ExpectEscAndCloseHide(*form, form->Handle()); }

}  // namespace
