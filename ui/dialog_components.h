#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "ui/colour.h"
#include "ui/component.h"

namespace ui {

struct Design;

// An open or save dialog as the windows keep it between uses: filter, filter index,
// default extension and the last file name. Execute asks through the dialog seam.
class FileDialog : public Component {
public:
    FileDialog(Form& owner, const Design& design, bool save);

    const std::string& Filter() const { return filter_; }
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(std::string ext) { defaultExt_ = std::move(ext); }
    const std::filesystem::path& FileName() const { return fileName_; }
    void SetFileName(std::filesystem::path name) { fileName_ = std::move(name); }
    const std::filesystem::path& InitialDir() const { return initialDir_; }
    void SetInitialDir(std::filesystem::path folder) { initialDir_ = std::move(folder); }

    // The chosen file, also kept as FileName with the filter index it was chosen with;
    // nothing (and nothing changed) when cancelled.
    std::optional<std::filesystem::path> Execute();

private:
    bool save_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string defaultExt_;
    std::filesystem::path fileName_;
    std::filesystem::path initialDir_;
};

class OpenDialog : public FileDialog {
public:
    OpenDialog(Form& owner, const Design& design) : FileDialog(owner, design, false) {}
};

class SaveDialog : public FileDialog {
public:
    SaveDialog(Form& owner, const Design& design) : FileDialog(owner, design, true) {}
};

// The colour chooser; it opens on its colour, which a choice replaces.
class ColourDialog : public Component {
public:
    ColourDialog(Form& owner, const Design& design);

    Colour GetColour() const { return colour_; }
    void SetColour(Colour colour) { colour_ = colour; }
    std::optional<Colour> Execute();

private:
    Colour colour_ = kBlack;
};

}  // namespace ui
