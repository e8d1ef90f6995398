#include "monitor/core/pe_exports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using namespace velmorant;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kSectionFile = 0x200;

// Where the fields a case spoils lie in the image.
struct Layout {
    std::size_t optional = 0;     // the optional header
    std::size_t rvaCount = 0;     // NumberOfRvaAndSizes
    std::size_t exportEntry = 0;  // data directory 0: the export table's address and size
    std::size_t section = 0;      // the one section header
    std::size_t table = 0;        // the export directory
    std::size_t names = 0;        // the name addresses
    std::size_t ordinals = 0;     // the name ordinals
};

void Put(Bytes& b, std::size_t at, std::uint32_t value, int size) {
    if (b.size() < at + size) b.resize(at + size);
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A library of one section holding its export table; its names in the order given (sorted,
// as a linker writes them), each for a function of its own. The file ends with the last
// name's terminating zero.
Bytes Library(std::uint16_t magic, const std::vector<std::string>& names,
              Layout* layout = nullptr) {
    Layout l;
    Bytes b;
    Put(b, 0, 0x5A4D, 2);  // "MZ"
    Put(b, 0x3C, 0x40, 4);
    Put(b, 0x40, 0x00004550, 4);  // "PE\0\0"
    const std::size_t coff = 0x44;
    Put(b, coff, magic == kPe32 ? 0x14C : 0x8664, 2);
    Put(b, coff + 2, 1, 2);  // one section
    l.optional = coff + 20;
    const std::size_t directories = l.optional + (magic == kPe32 ? 96 : 112);
    const std::size_t optionalSize = directories + 16 * 8 - l.optional;
    Put(b, coff + 16, static_cast<std::uint32_t>(optionalSize), 2);
    Put(b, coff + 18, 0x2022, 2);  // a library
    Put(b, l.optional, magic, 2);
    Put(b, l.optional + 60, kSectionFile, 4);  // SizeOfHeaders
    l.rvaCount = directories - 4;
    Put(b, l.rvaCount, 16, 4);
    l.exportEntry = directories;
    Put(b, directories + 16 * 8 - 1, 0, 1);
    l.section = l.optional + optionalSize;

    // The section: directory, function addresses, name addresses, ordinals, library name,
    // the names.
    const std::uint32_t n = static_cast<std::uint32_t>(names.size());
    const std::uint32_t functions = 40;
    const std::uint32_t nameList = functions + 4 * n;
    const std::uint32_t ordinalList = nameList + 4 * n;
    std::uint32_t text = ordinalList + 2 * n;
    const std::string library = "test.dll";
    l.table = kSectionFile;
    l.names = kSectionFile + nameList;
    l.ordinals = kSectionFile + ordinalList;
    Bytes data(text);
    Put(data, 12, kSectionRva + text, 4);  // the library's name
    data.insert(data.end(), library.begin(), library.end());
    data.push_back(0);
    text += static_cast<std::uint32_t>(library.size() + 1);
    Put(data, 16, 1, 4);  // ordinal base
    Put(data, 20, n, 4);
    Put(data, 24, n, 4);
    Put(data, 28, kSectionRva + functions, 4);
    Put(data, 32, kSectionRva + nameList, 4);
    Put(data, 36, kSectionRva + ordinalList, 4);
    for (std::uint32_t i = 0; i < n; ++i) {
        Put(data, functions + 4 * i, 0x2000 + 16 * i, 4);
        Put(data, nameList + 4 * i, kSectionRva + text, 4);
        Put(data, ordinalList + 2 * i, i, 2);
        data.insert(data.end(), names[i].begin(), names[i].end());
        data.push_back(0);
        text += static_cast<std::uint32_t>(names[i].size() + 1);
    }
    const auto size = static_cast<std::uint32_t>(data.size());
    Put(b, l.exportEntry, kSectionRva, 4);
    Put(b, l.exportEntry + 4, size, 4);
    b.resize(l.section + 40, 0);
    const std::string sectionName = ".edata";
    std::copy(sectionName.begin(), sectionName.end(), b.begin() + l.section);
    Put(b, l.section + 8, size, 4);
    Put(b, l.section + 12, kSectionRva, 4);
    Put(b, l.section + 16, size, 4);
    Put(b, l.section + 20, kSectionFile, 4);
    b.resize(kSectionFile, 0);
    b.insert(b.end(), data.begin(), data.end());
    if (layout) *layout = l;
    return b;
}

const std::vector<std::string> kPlugin = {"InitPlugin"};
const std::vector<std::string> kAmongOthers = {"Alpha", "InitPlugin", "ShowViewer", "Zeta"};

struct Case {
    const char* what;
    std::uint16_t magic;
    std::vector<std::string> names;
    std::function<void(Bytes&, const Layout&)> spoil;
    bool exports;
};

void Keep(Bytes&, const Layout&) {}

// The first name's text moved to the file offset `at`, which is also its address: where the
// headers lie, both are the same.
void PutName(Bytes& b, const Layout& l, std::uint32_t at) {
    const std::string name = "InitPlugin";
    std::copy(name.begin(), name.end() + 1, b.begin() + at);
    Put(b, l.names, at, 4);
}

TEST(PeExportsTest, FindsInitPluginOnlyWhereTheExportTableLeadsToIt) {
    const Case cases[] = {
        {"PE32+ exporting it", kPe32Plus, kPlugin, Keep, true},
        {"PE32 exporting it", kPe32, kPlugin, Keep, true},
        {"PE32+ exporting it among others", kPe32Plus, kAmongOthers, Keep, true},
        {"PE32 exporting it among others", kPe32, kAmongOthers, Keep, true},
        {"names that only begin or end like it",
         kPe32Plus,
         {"Init", "InitPluginEx", "MyInitPlugin", "initplugin"},
         Keep,
         false},
        {"no names at all", kPe32Plus, {}, Keep, false},
        {"no export directory", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.exportEntry, 0, 4); }, false},
        {"no data directories", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.rvaCount, 0, 4); }, false},
        {"no MZ", kPe32Plus, kPlugin, [](Bytes& b, const Layout&) { b[0] = 'X'; }, false},
        {"no PE signature", kPe32Plus, kPlugin, [](Bytes& b, const Layout&) { b[0x41] = 'X'; },
         false},
        {"unknown optional header", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.optional, 0x107, 2); }, false},
        {"PE header past the end", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout&) { Put(b, 0x3C, 0xFFFFFFF0, 4); }, false},
        {"export table in no section", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.exportEntry, 0x7000, 4); }, false},
        {"section data past the end", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.section + 20, 0xFFFFFF00, 4); }, false},
        {"name list in no section", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.table + 32, 0x9000, 4); }, false},
        {"name address in no section", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.names, 0xFFFFFFFF, 4); }, false},
        {"name count past the end", kPe32Plus, kAmongOthers,
         [](Bytes& b, const Layout& l) { Put(b, l.table + 24, 0x7FFFFFFF, 4); }, false},
        {"name in the headers, which are loaded too", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { PutName(b, l, 0x180); }, true},
        {"name in the file past the headers' loaded size", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) {
             PutName(b, l, 0x180);
             Put(b, l.optional + 60, 0x100, 4);
         },
         false},
        {"ordinal past the functions", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout& l) { Put(b, l.ordinals, 1, 2); }, false},
        {"name without its terminating zero", kPe32Plus, kPlugin,
         [](Bytes& b, const Layout&) { b.back() = 'x'; }, false},
    };
    for (const Case& c : cases) {
        Layout layout;
        Bytes file = Library(c.magic, c.names, &layout);
        c.spoil(file, layout);
        EXPECT_EQ(PeFileExports(file, "InitPlugin"), c.exports) << c.what;
    }
}

TEST(PeExportsTest, EveryOtherNameOfTheTableIsFoundToo) {
    for (std::uint16_t magic : {kPe32, kPe32Plus}) {
        const Bytes file = Library(magic, kAmongOthers);
        for (const std::string& name : kAmongOthers) EXPECT_TRUE(PeFileExports(file, name)) << name;
        EXPECT_FALSE(PeFileExports(file, "Beta"));
        EXPECT_FALSE(PeFileExports(file, ""));
    }
}

TEST(PeExportsTest, TruncatedOrGarbageFilesSayNo) {
    // The file ends with the name looked for: every shorter piece of it lacks some of it.
    const Bytes file = Library(kPe32Plus, {"Alpha", "InitPlugin"});
    ASSERT_TRUE(PeFileExports(file, "InitPlugin"));
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_FALSE(PeFileExports(std::span(file.data(), size), "InitPlugin")) << size;

    Bytes text(4096);
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = "This is not a library.\n"[i % 23];
    EXPECT_FALSE(PeFileExports(text, "InitPlugin"));
    Bytes mzOnly = {'M', 'Z'};
    EXPECT_FALSE(PeFileExports(mzOnly, "InitPlugin"));
}

}  // namespace
