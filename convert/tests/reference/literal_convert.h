// A slow, step-by-step rendering of the text-to-HTML and code-to-HTML conversions, kept as a test
// oracle for the library. Every step is done the plain way: every replacement searches again from the
// start of the line, every entity row is applied on its own, every web address rebuilds the line.
// Speed does not matter here; only the bytes do.
#ifndef VELLUM_LITERAL_CONVERT_H
#define VELLUM_LITERAL_CONVERT_H

#include <cstdint>
#include <string>
#include <string_view>

namespace vellum::literal {

struct PageResult {
    int32_t code; // 0, -6 ("<HTML>" found) or -7 ("<X-HTML>" found)
    std::string html;
};

// The whole output file that txt2h writes for an input file holding input_bytes, with the standard
// head and footer (no header or footer file). The page title is the output file's name after its last
// "/". Empty colours mean the default colours. On -6 or -7, html is what was written before the
// marked line.
PageResult txt2h(std::string_view input_bytes, std::string_view output_file_name, std::string_view text_color,
                 std::string_view background_color);

// The whole output file that c2h writes for an input file holding input_bytes.
std::string c2h(std::string_view input_bytes, std::string_view input_file_name, std::string_view output_file_name,
                int32_t margin_spaces, int32_t tab_spaces);

} // namespace vellum::literal

#endif
