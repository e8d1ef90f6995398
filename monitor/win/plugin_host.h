#pragma once

#include <filesystem>
#include <vector>

#include "monitor/plugin_interface.h"

namespace ui {
class Form;
class MenuItem;
}  // namespace ui

namespace velmorant {

// The plug-ins of the program folder: every library there that exports InitPlugin is
// started with a host object of its own, through which it appends commands to the main
// window's "Type" menu. Libraries and host objects stay until the program ends.
class PluginHost {
public:
    // Loads the "*.dll" files of `folder` that export InitPlugin, in the order the file search
    // returns them. The export is looked up in the file, so a library without it is never
    // loaded; such a file, or one that does not load, is skipped without a word. An
    // error while a library loads or runs InitPlugin ends the scan with the error
    // "Error " followed by the file's name.
    void Scan(ui::Form& mainForm, ui::MenuItem& typeMenu, const std::filesystem::path& folder);

    // The host objects of the started plug-ins, in loading order.
    const std::vector<TIPluginDemo*>& PluginList() const { return pluginList_; }
    // The host object created last.
    TIPluginDemo* CurrentPlugin() const { return currentPlugin_; }

private:
    void Load(ui::Form& mainForm, ui::MenuItem& typeMenu, const std::filesystem::path& file);

    std::vector<TIPluginDemo*> pluginList_;
    TIPluginDemo* currentPlugin_ = nullptr;
};

// The host object table's operations, for the host's own tests.
const TIPluginDemoTable& PluginHostTable();

}  // namespace velmorant
