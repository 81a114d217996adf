// Runs one converter of libvellum62 with flags, with the command-line converter's default options:
//   convert_flags text|code|list|table FLAGS INPUT OUTPUT
// bench/run.sh uses it for the UTF-8 mode, which the command-line converter does not offer yet.
#include "vellum62.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: convert_flags text|code|list|table FLAGS INPUT OUTPUT\n");
        return 2;
    }
    const char* kind = argv[1];
    const int32_t flags = std::atoi(argv[2]);
    const char *in = argv[3], *out = argv[4];
    int32_t result;
    if (std::strcmp(kind, "text") == 0)
        result = txt2h("", in, out, "", "", "", "", flags);
    else if (std::strcmp(kind, "code") == 0)
        result = c2h_ex(in, out, 4, 4, flags);
    else if (std::strcmp(kind, "list") == 0)
        result = datalist_ex(in, out, 0, 0, VELLUM62_LIST_FROM_FILE, 1, 1, VELLUM62_ITEMS_BY_ASTERISK, 0, 0, flags);
    else
        result = reg_tbl_ex(in, out, ',', 0, 0, 0, 0, "", "", -1, 0, -1, -1, -1, flags);
    return result < 0 ? 1 : 0;
}
