#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

struct Section {
    std::string name;
    std::uint32_t rawSize = 0;
    std::uint32_t rawStart = 0;
};

// The section table of a PE file, long names (stored as "/offset" into the COFF string
// table, as the GNU tools write ".debug_info" and the like) resolved. Throws on a file that
// is too short.
std::vector<Section> Sections(const std::vector<unsigned char>& b) {
    const std::size_t pe = Le(b, 0x3C, 4);
    if (Le(b, pe, 4) != 0x4550) throw std::runtime_error("no PE signature");
    const std::uint32_t count = Le(b, pe + 6, 2);
    const std::size_t strings = Le(b, pe + 12, 4) + std::size_t{Le(b, pe + 16, 4)} * 18;
    const std::size_t table = pe + 24 + Le(b, pe + 20, 2);
    std::vector<Section> sections;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t h = table + i * 40;
        std::string name;
        for (std::size_t c = h; c < h + 8 && b.at(c) != 0; ++c) name += static_cast<char>(b[c]);
        if (name.size() > 1 && name[0] == '/') {
            std::size_t at = strings + std::stoul(name.substr(1));
            name.clear();
            while (b.at(at) != 0) name += static_cast<char>(b[at++]);
        }
        sections.push_back({name, Le(b, h + 16, 4), Le(b, h + 20, 4)});
    }
    return sections;
}

std::optional<Section> Find(const std::vector<Section>& sections, const std::string& name) {
    for (const Section& s : sections)
        if (s.name == name) return s;
    return std::nullopt;
}

bool HasDebugSections(const std::vector<Section>& sections) {
    for (const Section& s : sections)
        if (s.name.rfind(".debug", 0) == 0) return true;
    return false;
}

// The build's output folder of the deliverables, beside the test programs' folder.
std::filesystem::path DeliverablesFolder() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path().parent_path() / "monitor";
}

}  // namespace

// What a user copies carries no debug information; the symbols for a crash report lie in a
// file of their own beside it, which the image names.
TEST(DeliverablesTest, CarryNoDebugInformationAndNameTheirSymbolFile) {
    for (const char* name : {"Velmorant.exe", "Viewer.dll"}) {
        SCOPED_TRACE(name);
        const auto path = DeliverablesFolder() / name;
        const auto image = FileBytes(path);
        ASSERT_GT(image.size(), 4096u);
        const auto sections = Sections(image);
        ASSERT_TRUE(Find(sections, ".text"));
        EXPECT_FALSE(HasDebugSections(sections));

        const auto link = Find(sections, ".gnu_debuglink");
        ASSERT_TRUE(link);
        std::string linked;
        for (std::uint32_t i = link->rawStart; i < link->rawStart + link->rawSize && image.at(i);
             ++i)
            linked += static_cast<char>(image[i]);
        EXPECT_EQ(linked, std::string(name) + ".debug");
        const auto symbols = FileBytes(path.parent_path() / linked);
        ASSERT_FALSE(symbols.empty());
        EXPECT_TRUE(Find(Sections(symbols), ".debug_info"));
        std::printf("%s: %.2f MB, its symbols %.2f MB\n", name,
                    static_cast<double>(image.size()) / 1e6,
                    static_cast<double>(symbols.size()) / 1e6);
    }
}
