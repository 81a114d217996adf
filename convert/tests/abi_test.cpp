// The shared library as the program uses it: loaded by file name, the calls bound by name, and
// nothing else visible.
#include "vellum62.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <elf.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

extern "C" int vellum62_header_compiles_as_c(void);

namespace fs = std::filesystem;

namespace
{

// The names of the functions and objects a shared library defines for others to use.
std::set<std::string> exportedNames(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    std::set<std::string> names;
    if (bytes.size() < sizeof(Elf64_Ehdr))
        return names;
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(bytes.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(bytes.data() + header->e_shoff);
    for (int i = 0; i < header->e_shnum; ++i) {
        if (sections[i].sh_type != SHT_DYNSYM)
            continue;
        const char* strings = bytes.data() + sections[sections[i].sh_link].sh_offset;
        const auto* symbols = reinterpret_cast<const Elf64_Sym*>(bytes.data() + sections[i].sh_offset);
        std::size_t count = sections[i].sh_size / sizeof(Elf64_Sym);
        for (std::size_t k = 0; k < count; ++k) {
            unsigned bind = ELF64_ST_BIND(symbols[k].st_info);
            if (symbols[k].st_shndx != SHN_UNDEF && (bind == STB_GLOBAL || bind == STB_WEAK))
                names.insert(strings + symbols[k].st_name);
        }
    }
    return names;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class LoadedLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_handle = dlopen(VELLUM62_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_handle, nullptr) << dlerror();
        m_dir = fs::temp_directory_path() / ("vellum-abi-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        std::ofstream(m_dir / "in.txt") << "a,b\n* item\n";
    }
    void TearDown() override
    {
        if (m_handle)
            dlclose(m_handle);
        fs::remove_all(m_dir);
    }
    template <typename Fn> Fn bind(const char* name) { return reinterpret_cast<Fn>(dlsym(m_handle, name)); }
    std::string path(const char* name) const { return (m_dir / name).string(); }

    void* m_handle = nullptr;
    fs::path m_dir;
};

TEST_F(LoadedLibrary, ExportsExactlyTheCalls)
{
    EXPECT_EQ(exportedNames(VELLUM62_LIBRARY_PATH),
              (std::set<std::string>{"c2h", "c2h_ex", "datalist", "datalist_ex", "reg_tbl", "reg_tbl_ex", "reg_tbl_sized",
                                     "txt2h"}));
}

TEST_F(LoadedLibrary, EachCallIsBoundByNameAndConverts)
{
    auto text = bind<vellum62_txt2h_fn>("txt2h");
    auto code = bind<vellum62_c2h_fn>("c2h");
    auto list = bind<vellum62_datalist_fn>("datalist");
    auto table = bind<vellum62_reg_tbl_fn>("reg_tbl");
    auto codeEx = bind<vellum62_c2h_ex_fn>("c2h_ex");
    auto listEx = bind<vellum62_datalist_ex_fn>("datalist_ex");
    auto tableEx = bind<vellum62_reg_tbl_ex_fn>("reg_tbl_ex");
    auto tableSized = bind<vellum62_reg_tbl_sized_fn>("reg_tbl_sized");
    ASSERT_TRUE(text && code && list && table && codeEx && listEx && tableEx && tableSized);

    const std::string in = path("in.txt");
    EXPECT_EQ(text("", in.c_str(), path("text.htm").c_str(), "", "", "", "", 0), VELLUM62_DONE);
    EXPECT_EQ(code(in.c_str(), path("code.htm").c_str(), 4, 4), VELLUM62_DONE);
    EXPECT_EQ(list(in.c_str(), path("list.htm").c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1,
                   VELLUM62_ITEMS_BY_ASTERISK, 0, 0),
              1);
    EXPECT_EQ(table(in.c_str(), path("table.htm").c_str(), ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1), 202);
    EXPECT_EQ(codeEx(in.c_str(), path("code_ex.htm").c_str(), 4, 4, VELLUM62_UTF8), VELLUM62_DONE);
    EXPECT_EQ(listEx(in.c_str(), path("list_ex.htm").c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1,
                     VELLUM62_ITEMS_BY_ASTERISK, 0, 0, VELLUM62_ESCAPE_DATA),
              1);
    EXPECT_EQ(tableEx(in.c_str(), path("table_ex.htm").c_str(), ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1,
                      VELLUM62_CSV_QUOTES),
              202);
    for (const char* name : {"text.htm", "code.htm", "list.htm", "table.htm"})
        EXPECT_NE(readAll(path(name)).find("item"), std::string::npos) << name;

    // The size of a table, which the packed result cannot carry from 100 columns on; counts are
    // written only for a table made, and only where asked for.
    std::string wide;
    for (int c = 0; c < 250; ++c)
        wide += std::to_string(c) + (c < 249 ? ";" : "\n");
    for (const char* separator : {";", ",", "\t", " "})
        std::ofstream(path(separator)) << "a" << separator << "\"b\nc\"" << separator << "d\ne" << separator << "f"
                                       << separator << "g\n";
    std::ofstream(path("wide.txt")) << "a;\"b\nc\";d\ne;f;g\n\n" << wide;
    std::ofstream(path("binary.txt")) << wide << std::string(1, '\0') << wide;
    const struct {
        const char* input;
        int32_t separator, flags, result;
        int64_t rows, columns; // -1: left as it was
    } cases[] = {
        {";", ';', VELLUM62_CSV_QUOTES, 203, 2, 3},
        {";", ';', 0, 303, 3, 3},
        {",", ',', VELLUM62_CSV_QUOTES, 203, 2, 3},
        {"\t", '\t', VELLUM62_CSV_QUOTES, 203, 2, 3},
        {" ", ' ', VELLUM62_CSV_QUOTES, 203, 2, 3},
        {"wide.txt", ';', VELLUM62_CSV_QUOTES, 550, 3, 250},
        {"binary.txt", ';', 0, VELLUM62_INPUT_IS_BINARY, -1, -1},
        {"missing.txt", ';', 0, VELLUM62_INPUT_NOT_OPENED, -1, -1},
    };
    for (const auto& c : cases) {
        int64_t rows = -1, columns = -1;
        EXPECT_EQ(tableSized(path(c.input).c_str(), path("sized.htm").c_str(), c.separator, 0, 0, 0, 0, "", "", -1,
                             0, -1, -1, -1, c.flags, &rows, &columns),
                  c.result)
            << c.input << " " << c.separator;
        EXPECT_EQ(rows, c.rows) << c.input << " " << c.separator;
        EXPECT_EQ(columns, c.columns) << c.input << " " << c.separator;
    }
    EXPECT_EQ(tableSized(path("wide.txt").c_str(), path("sized.htm").c_str(), ';', 0, 0, 0, 0, "", "", -1, 0, -1,
                         -1, -1, 0, nullptr, nullptr),
              650)
        << "no counts asked for";
}

TEST(PublicHeader, CompilesAsC)
{
    EXPECT_EQ(vellum62_header_compiles_as_c(), 1);
}

} // namespace
