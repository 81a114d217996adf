// The shared library as the program uses it: loaded by file name, the calls bound by name, and
// nothing else visible.
#include "vellum62.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <dlfcn.h>
#include <set>

extern "C" int vellum62_header_compiles_as_c(void);

namespace
{

// The names the library defines for others, as the binary tools that come with the compiler list them.
std::set<std::string> exportedNames(const std::string& path)
{
    std::set<std::string> names;
    FILE* nm = ::popen(("nm -D --defined-only '" + path + "'").c_str(), "r");
    char name[256];
    while (nm && std::fscanf(nm, "%*s %*s %255s", name) == 1)
        names.insert(name);
    EXPECT_TRUE(nm && ::pclose(nm) == 0) << "nm failed on " << path;
    return names;
}

TEST(LoadedLibrary, ExportsExactlyTheCallsAndEachIsBoundByNameAndConverts)
{
    EXPECT_EQ(exportedNames(VELLUM62_LIBRARY_PATH),
              (std::set<std::string>{"c2h", "c2h_colored", "c2h_ex", "c2h_html5", "datalist", "datalist_ex", "datalist_html5",
                                     "reg_tbl", "reg_tbl_ex", "reg_tbl_html5", "reg_tbl_sized", "txt2h",
                                     "txt2h_html5"}));
    void* handle = dlopen(VELLUM62_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    auto bind = [&](auto fn, const char* name) {
        return reinterpret_cast<decltype(fn)>(dlsym(handle, name));
    };
    auto text = bind(vellum62_txt2h_fn(), "txt2h");
    auto code = bind(vellum62_c2h_fn(), "c2h");
    auto list = bind(vellum62_datalist_fn(), "datalist");
    auto table = bind(vellum62_reg_tbl_fn(), "reg_tbl");
    auto codeEx = bind(vellum62_c2h_ex_fn(), "c2h_ex");
    auto listEx = bind(vellum62_datalist_ex_fn(), "datalist_ex");
    auto tableEx = bind(vellum62_reg_tbl_ex_fn(), "reg_tbl_ex");
    auto tableSized = bind(vellum62_reg_tbl_sized_fn(), "reg_tbl_sized");
    auto text5 = bind(vellum62_txt2h_html5_fn(), "txt2h_html5");
    auto code5 = bind(vellum62_c2h_html5_fn(), "c2h_html5");
    auto list5 = bind(vellum62_datalist_html5_fn(), "datalist_html5");
    auto table5 = bind(vellum62_reg_tbl_html5_fn(), "reg_tbl_html5");
    auto coloured = bind(vellum62_c2h_colored_fn(), "c2h_colored");
    ASSERT_TRUE(text && code && list && table && codeEx && listEx && tableEx && tableSized && text5 && code5 &&
                list5 && table5 && coloured);

    TempDir dir;
    const std::string in = dir.write("in.txt", "a,b\n* item\n");
    auto out = [&](const char* name) { return dir.path(name); };
    int64_t rows = -1, columns = -1;
    EXPECT_EQ(text("", in.c_str(), out("text.htm").c_str(), "", "", "", "", 0), VELLUM62_DONE);
    EXPECT_EQ(code(in.c_str(), out("code.htm").c_str(), 4, 4), VELLUM62_DONE);
    EXPECT_EQ(list(in.c_str(), out("list.htm").c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1,
                   VELLUM62_ITEMS_BY_ASTERISK, 0, 0),
              1);
    EXPECT_EQ(table(in.c_str(), out("table.htm").c_str(), ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1), 202);
    EXPECT_EQ(codeEx(in.c_str(), out("code_ex.htm").c_str(), 4, 4, VELLUM62_UTF8), VELLUM62_DONE);
    EXPECT_EQ(listEx(in.c_str(), out("list_ex.htm").c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1,
                     VELLUM62_ITEMS_BY_ASTERISK, 0, 0, VELLUM62_ESCAPE_DATA),
              1);
    EXPECT_EQ(tableEx(in.c_str(), out("table_ex.htm").c_str(), ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1,
                      VELLUM62_CSV_QUOTES),
              202);
    EXPECT_EQ(tableSized(in.c_str(), out("sized.htm").c_str(), ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1, 0,
                         &rows, &columns),
              202);
    EXPECT_EQ(rows * 100 + columns, 202);
    const vellum62_html5_page page{"de", nullptr};
    EXPECT_EQ(text5("", in.c_str(), out("text5.htm").c_str(), "", "", "", "", VELLUM62_HTML5, &page), VELLUM62_DONE);
    EXPECT_EQ(code5(in.c_str(), out("code5.htm").c_str(), 4, 4, VELLUM62_HTML5, &page), VELLUM62_DONE);
    EXPECT_EQ(list5(in.c_str(), out("list5.htm").c_str(), 0, 0, VELLUM62_LIST_FROM_FILE, -1, -1,
                    VELLUM62_ITEMS_BY_ASTERISK, 1, 0, VELLUM62_HTML5, &page),
              1);
    EXPECT_EQ(table5(in.c_str(), out("table5.htm").c_str(), ',', 0, 1, 0, 0, "", "", -1, 0, -1, -1, -1,
                     VELLUM62_HTML5, nullptr, nullptr, &page),
              202);
    int32_t colouring = -1;
    char used[4] = "?";
    EXPECT_EQ(coloured(in.c_str(), out("coloured.htm").c_str(), 0, 4, VELLUM62_HTML5, &page, "javascript",
                       VELLUM62_LINE_NUMBERS | VELLUM62_COLOR_CODE, &colouring, used, sizeof used),
              VELLUM62_DONE);
    EXPECT_EQ(colouring, VELLUM62_COLORED);
    EXPECT_STREQ(used, "jav"); // cut to fit, and terminated
    for (const char* name : {"text.htm", "code.htm", "list.htm", "table.htm", "sized.htm"})
        EXPECT_NE(readFile(out(name)).find("item"), std::string::npos) << name;
    for (const char* name : {"text5.htm", "code5.htm", "list5.htm", "table5.htm", "coloured.htm"})
        EXPECT_TRUE(readFile(out(name)).starts_with("<!DOCTYPE html>\n<html lang=\"de\">")) << name;
    dlclose(handle);
}

TEST(PublicHeader, CompilesAsC)
{
    EXPECT_EQ(vellum62_header_compiles_as_c(), 1);
}

} // namespace
