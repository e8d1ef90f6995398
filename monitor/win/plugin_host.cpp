#include "monitor/win/plugin_host.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "monitor/core/pe_exports.h"
#include "ui/application.h"
#include "ui/design.h"
#include "ui/error_box.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/text.h"

namespace velmorant {

namespace {

constexpr int kPluginImage = 13;

// What the host knows of a host object beyond what the plug-in sees: the window whose menu
// its commands go to. The plug-in's part comes first, so the pointer it holds is this one.
struct HostObject {
    TIPluginDemo Interface;
    ui::Form* Form;
    ui::MenuItem* TypeMenu;
};

HostObject& HostOf(TIPluginDemo* self) {
    return *reinterpret_cast<HostObject*>(self);
}

void* VELMORANT_PLUGIN_API GetApplication(TIPluginDemo*) {
    return &ui::App();
}

void VELMORANT_PLUGIN_API AddMenuItem(TIPluginDemo* self, const char* caption,
                                      TPluginClickHandler code, void* data) {
    // No exception may unwind into the plug-in's frames.
    ui::Guarded([&] {
        HostObject& host = HostOf(self);
        static int added = 0;
        ui::Design design{.kind = ui::Kind::MenuItem,
                          .name = "PluginItem" + std::to_string(++added),
                          .parent = host.TypeMenu->Name(),
                          .caption = caption ? caption : "",
                          .imageIndex = kPluginImage};
        auto& item = static_cast<ui::MenuItem&>(host.Form->AddComponent(design));
        // The plug-in's handler is called as the host calls its own: data as the object, the
        // menu item as the sender.
        if (code) item.OnClick = [code, data, &item] { code(data, &item); };
    });
}

void VELMORANT_PLUGIN_API ReceiveText(TIPluginDemo*, const char*) {}

const TIPluginDemoTable kTable = {GetApplication, AddMenuItem, ReceiveText};

// Windows would otherwise ask the user about a file that is not a library or lacks one of
// its own libraries; such a file is only skipped.
class QuietLoadErrors {
public:
    QuietLoadErrors() {
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_);
    }
    ~QuietLoadErrors() { SetThreadErrorMode(old_, nullptr); }

private:
    DWORD old_ = 0;
};

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using Handle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Whether the file exports InitPlugin, read from its export table through a plain mapping of
// its bytes. Loading a library to ask would run its start-up and shut-down code: a copy of a
// system library placed in the folder then takes the common control classes with it when it
// is unloaded again (seen under Wine), and no window of the program can be created after.
bool ExportsInitPlugin(const std::filesystem::path& file) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    Handle opened(h);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(opened.get(), &size) || size.QuadPart <= 0) return false;
    // Not SEC_IMAGE: the bytes as they lie in the file, mapped without the loader.
    Handle mapping(CreateFileMappingW(opened.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping) return false;
    const void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0);
    if (!view) return false;
    const bool exports = PeFileExports(
        {static_cast<const unsigned char*>(view), static_cast<std::size_t>(size.QuadPart)},
        VELMORANT_INIT_PLUGIN);
    UnmapViewOfFile(view);
    return exports;
}

}  // namespace

const TIPluginDemoTable& PluginHostTable() {
    return kTable;
}

void PluginHost::Scan(ui::Form& mainForm, ui::MenuItem& typeMenu,
                      const std::filesystem::path& folder) {
    pluginList_.clear();
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder / L"*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    struct End {
        HANDLE h;
        ~End() { FindClose(h); }
    } end{search};
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::filesystem::path file = folder / found.cFileName;
        try {
            Load(mainForm, typeMenu, file);
        } catch (...) {
            throw std::runtime_error("Error " + ui::WideToCp1251(found.cFileName));
        }
    } while (FindNextFileW(search, &found));
}

void PluginHost::Load(ui::Form& mainForm, ui::MenuItem& typeMenu,
                      const std::filesystem::path& file) {
    if (!ExportsInitPlugin(file)) return;
    HMODULE module = nullptr;
    {
        QuietLoadErrors quiet;
        module = LoadLibraryW(file.c_str());
    }
    if (!module) return;
    auto init = reinterpret_cast<TInitPlugin>(
        reinterpret_cast<void*>(GetProcAddress(module, VELMORANT_INIT_PLUGIN)));
    if (!init) {
        FreeLibrary(module);
        return;
    }
    // Never freed: the plug-in may keep its host object for the whole run.
    auto* host = new HostObject{{&kTable}, &mainForm, &typeMenu};
    currentPlugin_ = &host->Interface;
    init(currentPlugin_);
    pluginList_.push_back(currentPlugin_);
}

}  // namespace velmorant
