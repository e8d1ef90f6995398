#include "monitor/core/save_target.h"

#include <string_view>

namespace velmorant {

namespace {

// ASCII letters only: the extensions compared are ours.
bool HasExtension(const std::filesystem::path& path, std::string_view ext) {
    const std::filesystem::path extension = path.extension();
    const auto& typed = extension.native();
    if (typed.size() != ext.size()) return false;
    for (std::size_t i = 0; i < ext.size(); ++i) {
        auto c = typed[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<decltype(c)>(c - 'A' + 'a');
        if (c != static_cast<decltype(c)>(ext[i])) return false;
    }
    return true;
}

}  // namespace

SaveTarget ChooseSaveTarget(const std::filesystem::path& typed, int filterIndex) {
    if (HasExtension(typed, ".vmr")) return {SaveFormat::RecordFile, typed};
    if (HasExtension(typed, ".csv")) return {SaveFormat::TextExport, typed};
    const bool text = filterIndex == kTextExportFilter;
    SaveTarget target{text ? SaveFormat::TextExport : SaveFormat::RecordFile, typed};
    target.Path.replace_extension(text ? ".csv" : ".vmr");
    return target;
}

std::filesystem::path OfferedSaveName(const std::filesystem::path& last) {
    std::filesystem::path offered = last;
    if (HasExtension(offered, ".csv")) offered.replace_extension();
    return offered;
}

int FilterOf(SaveFormat format) {
    return format == SaveFormat::TextExport ? kTextExportFilter : kRecordFileFilter;
}

}  // namespace velmorant
