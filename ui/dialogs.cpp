#include "ui/dialogs.h"

#include <commdlg.h>

#include <vector>

#include "ui/error_box.h"
#include "ui/modal.h"
#include "ui/text.h"

namespace ui {

namespace {

// "Text|*.vmr|Excel|*.csv" as Win32 wants it: pairs separated and ended by NULs.
std::wstring FilterForWin32(const std::string& filter) {
    std::wstring out = Cp1251ToWide(filter);
    for (wchar_t& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

SaveFileNameCall& InstalledSaveCall() {
    static SaveFileNameCall call = nullptr;
    return call;
}

class SystemDialogs : public Dialogs {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) override {
        return MessageBoxW(owner, Cp1251ToWide(text).c_str(), Cp1251ToWide(caption).c_str(),
                           flags);
    }

    std::optional<FileDialogAnswer> FileDialog(const FileDialogRequest& request) override {
        std::wstring filter = FilterForWin32(request.filter);
        std::string ext = request.defaultExt;
        if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
        std::wstring defExt = Cp1251ToWide(ext);
        // Long paths are rare here, but a folder of 260 characters must not cut the name.
        std::vector<wchar_t> name(32768, L'\0');
        std::wstring given = request.fileName.wstring();
        given.copy(name.data(), name.size() - 1);

        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = request.owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
        const std::wstring initialDir = request.initialDir.wstring();
        ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
        SaveFileNameCall saveCall = InstalledSaveCall() ? InstalledSaveCall() : GetSaveFileNameW;
        BOOL ok = request.save ? saveCall(&ofn) : GetOpenFileNameW(&ofn);
        if (!ok) return std::nullopt;
        return FileDialogAnswer{std::filesystem::path(name.data()),
                                static_cast<int>(ofn.nFilterIndex)};
    }

    std::optional<Colour> ColourDialog(HWND owner, Colour initial) override {
        static COLORREF custom[16] = {};
        CHOOSECOLORW cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = owner;
        cc.rgbResult = ToRgb(initial);
        cc.lpCustColors = custom;
        cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
        if (!ChooseColorW(&cc)) return std::nullopt;
        return static_cast<Colour>(cc.rgbResult);
    }
};

Dialogs*& Installed() {
    static Dialogs* installed = nullptr;
    return installed;
}

}  // namespace

Dialogs& CurrentDialogs() {
    static SystemDialogs system;
    Dialogs* d = Installed();
    return d ? *d : system;
}

void SetDialogs(Dialogs* dialogs) { Installed() = dialogs; }

void SetSaveFileNameCall(SaveFileNameCall call) { InstalledSaveCall() = call; }

int ShowMessageBoxOwnedBy(HWND owner, const std::string& text, const std::string& caption,
                          UINT flags) {
    ModalWindow modal(owner);
    return CurrentDialogs().ShowMessageBox(owner, text, caption, flags);
}

void ShowMessage(const std::string& text) {
    ShowMessageBoxOwnedBy(GetActiveWindow(), text, ApplicationTitle(), MB_OK);
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return ShowMessageBoxOwnedBy(GetActiveWindow(), text, caption, flags);
}

}  // namespace ui
