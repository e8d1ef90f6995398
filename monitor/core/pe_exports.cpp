#include "monitor/core/pe_exports.h"

#include <cstdint>
#include <optional>

namespace velmorant {

namespace {

constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::uint64_t kSectionHeaderSize = 40;

// Little-endian reads that fail instead of reading past the end.
class Bytes {
public:
    explicit Bytes(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> Read(std::uint64_t offset, int size) const {
        if (offset > bytes_.size() || bytes_.size() - offset < static_cast<std::uint64_t>(size))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes_[offset + i];
        return value;
    }
    std::optional<std::uint32_t> U16(std::uint64_t offset) const { return Read(offset, 2); }
    std::optional<std::uint32_t> U32(std::uint64_t offset) const { return Read(offset, 4); }

    // How the zero-terminated text at `offset` sorts against `text`, byte by byte as the
    // loader compares names; nothing when the text runs past the end.
    std::optional<int> CompareText(std::uint64_t offset, std::string_view text) const {
        for (std::uint64_t i = 0;; ++i) {
            if (offset > bytes_.size() || bytes_.size() - offset <= i) return std::nullopt;
            const int here = bytes_[offset + i];
            const int wanted = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
            if (here != wanted) return here < wanted ? -1 : 1;
            if (here == 0) return 0;
        }
    }

private:
    std::span<const unsigned char> bytes_;
};

// Where the bytes of an address relative to the loaded image lie in the file: in a section's
// raw data, or in the headers, which are loaded as they are.
class AddressMap {
public:
    AddressMap(const Bytes& file, std::uint64_t sections, std::uint32_t count,
               std::uint32_t headersSize)
        : file_(file), sections_(sections), count_(count), headersSize_(headersSize) {}

    std::optional<std::uint64_t> Offset(std::uint32_t rva) const {
        for (std::uint32_t i = 0; i < count_; ++i) {
            const std::uint64_t header = sections_ + i * kSectionHeaderSize;
            auto address = file_.U32(header + 12);
            auto rawSize = file_.U32(header + 16);
            auto rawStart = file_.U32(header + 20);
            if (!address || !rawSize || !rawStart) return std::nullopt;
            if (rva >= *address && rva - *address < *rawSize) return *rawStart + (rva - *address);
        }
        if (rva < headersSize_) return rva;
        return std::nullopt;
    }

private:
    const Bytes& file_;
    std::uint64_t sections_;
    std::uint32_t count_;
    std::uint32_t headersSize_;
};

}  // namespace

bool PeFileExports(std::span<const unsigned char> bytes, std::string_view name) {
    const Bytes file(bytes);
    if (file.U16(0) != 0x5A4D) return false;  // "MZ"
    const auto pe = file.U32(0x3C);
    if (!pe || file.U32(*pe) != 0x00004550) return false;  // "PE\0\0"
    const std::uint64_t coff = *pe + 4ull;
    const auto sectionCount = file.U16(coff + 2);
    const auto optionalSize = file.U16(coff + 16);
    const std::uint64_t optional = coff + 20;
    const auto magic = file.U16(optional);
    if (!sectionCount || !optionalSize || (magic != kPe32 && magic != kPe32Plus)) return false;
    // The data directories follow the fields that differ in size between the two formats;
    // as for the loader, their count says whether the export table's entry is there.
    const std::uint64_t directories = optional + (magic == kPe32 ? 96 : 112);
    const auto directoryCount = file.U32(directories - 4);
    if (!directoryCount || *directoryCount < 1) return false;
    const auto exportRva = file.U32(directories);
    const auto headersSize = file.U32(optional + 60);
    if (!exportRva || *exportRva == 0 || !headersSize) return false;

    const AddressMap map(file, optional + *optionalSize, *sectionCount, *headersSize);
    const auto table = map.Offset(*exportRva);
    if (!table) return false;
    const auto functionCount = file.U32(*table + 20);
    const auto nameCount = file.U32(*table + 24);
    const auto names = file.U32(*table + 32);
    const auto ordinals = file.U32(*table + 36);
    if (!functionCount || !nameCount || !names || !ordinals) return false;
    const auto nameList = map.Offset(*names);
    const auto ordinalList = map.Offset(*ordinals);
    if (!nameList || !ordinalList) return false;
    // The names are sorted, and the loader finds one by halving the list: so does this.
    std::uint64_t low = 0;
    std::uint64_t high = *nameCount;
    while (low < high) {
        const std::uint64_t i = low + (high - low) / 2;
        const auto nameRva = file.U32(*nameList + 4 * i);
        const auto nameAt = nameRva ? map.Offset(*nameRva) : std::nullopt;
        const auto order = nameAt ? file.CompareText(*nameAt, name) : std::nullopt;
        if (!order) return false;
        if (*order < 0) {
            low = i + 1;
        } else if (*order > 0) {
            high = i;
        } else {
            // A name is exported only when it leads to one of the table's functions.
            const auto ordinal = file.U16(*ordinalList + 2 * i);
            return ordinal && *ordinal < *functionCount;
        }
    }
    return false;
}

}  // namespace velmorant
