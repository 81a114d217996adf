// The exported calls: open the files, run a conversion core, close the files and turn every
// failure into a result code. No C++ exception crosses this boundary.
#include "vellum62.h"

#include "converters.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vellum
{
namespace
{

std::string_view text(const char* s)
{
    return s ? std::string_view(s) : std::string_view();
}

// A file descriptor closed when it goes out of scope.
class OpenFile
{
public:
    OpenFile() = default;
    explicit OpenFile(int fd) : m_fd(fd) {}
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    OpenFile(OpenFile&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes the file and says whether everything written reached it.
    bool close()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd = -1;
};

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens a file for reading; folders and names that do not open give a closed file.
OpenFile openForReading(std::string_view path)
{
    if (path.empty())
        return OpenFile();
    int fd = ::open(path.data(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (fd >= 0 && (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    return OpenFile(fd);
}

bool namesFileOf(std::string_view path, const struct stat& file)
{
    struct stat info;
    return !path.empty() && ::stat(path.data(), &info) == 0 && sameFile(info, file);
}

// True when the output name already names one of the files the call reads: opening it for writing
// would destroy what is still to be read.
bool outputIsAnInput(std::string_view output, std::initializer_list<std::string_view> inputs)
{
    struct stat outputInfo;
    if (output.empty() || ::stat(output.data(), &outputInfo) != 0)
        return false;
    for (std::string_view input : inputs)
        if (namesFileOf(input, outputInfo))
            return true;
    return false;
}

OpenFile openForWriting(std::string_view path)
{
    if (path.empty())
        return OpenFile();
    return OpenFile(::open(path.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

bool writeToFile(void* fdPointer, const char* data, std::size_t size)
{
    const int fd = *static_cast<int*>(fdPointer);
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The output of one call: a buffered writer on the output file.
class PageFile
{
public:
    explicit PageFile(OpenFile file) : m_file(std::move(file)), m_fd(m_file.fd()), m_out(writeToFile, &m_fd)
    {
    }
    Output& out() { return m_out; }
    int fd() const { return m_fd; }
    // Writes what is left and closes the file; false when any write failed.
    bool finish()
    {
        m_out.flush();
        bool closed = m_file.close();
        return closed && !m_out.failed();
    }

private:
    OpenFile m_file;
    int m_fd;
    Output m_out;
};

// A file opened for reading with its line reader.
struct InputFile {
    explicit InputFile(OpenFile opened) : file(std::move(opened)), source(file.fd()), lines(source) {}
    OpenFile file;
    FileDescriptorSource source;
    LineReader lines;
};

// Opens a header or footer file; a file that turns out to be the output itself counts as one that
// could not be opened.
bool openFrameFile(std::string_view path, int outputFd, std::optional<InputFile>& frameFile)
{
    OpenFile file = openForReading(path);
    if (!file.isOpen())
        return false;
    struct stat fileInfo, outputInfo;
    if (::fstat(file.fd(), &fileInfo) == 0 && ::fstat(outputFd, &outputInfo) == 0 &&
        sameFile(fileInfo, outputInfo))
        return false;
    frameFile.emplace(std::move(file));
    return true;
}

// The files of one call: its input, when it reads one, and its page.
struct CallFiles {
    std::optional<InputFile> input;
    std::optional<PageFile> page;
};

enum class Reading { None, Once, Twice };

// Opens the input (unless `reading` is None) and then the output, refusing an output that is the
// input or one of `alsoRead`. Returns 0, or the result code the call is to return.
int32_t openCallFiles(Reading reading, std::string_view inputName, std::string_view outputName, std::initializer_list<std::string_view> alsoRead,
                      CallFiles& files)
{
    if (reading != Reading::None) {
        OpenFile file = openForReading(inputName);
        if (!file.isOpen())
            return VELLUM62_INPUT_NOT_OPENED;
        if (reading == Reading::Twice && ::lseek(file.fd(), 0, SEEK_CUR) < 0)
            return VELLUM62_INPUT_NOT_OPENED; // a pipe cannot be read a second time
        files.input.emplace(std::move(file));
        if (outputIsAnInput(outputName, {inputName}))
            return VELLUM62_OUTPUT_NOT_OPENED;
    }
    if (outputIsAnInput(outputName, alsoRead))
        return VELLUM62_OUTPUT_NOT_OPENED;
    OpenFile output = openForWriting(outputName);
    if (!output.isOpen())
        return VELLUM62_OUTPUT_NOT_OPENED;
    files.page.emplace(std::move(output));
    return 0;
}

template <typename Body> int32_t guarded(Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        // Out of memory is the only thing that can throw; the page could not be written.
        return VELLUM62_OUTPUT_NOT_OPENED;
    }
}

bool hasFlag(int32_t flags, int32_t flag)
{
    return (flags & flag) != 0;
}

Html5Settings html5Settings(int32_t flags, const vellum62_html5_page* page)
{
    Html5Settings settings;
    settings.on = hasFlag(flags, VELLUM62_HTML5);
    if (settings.on && page) {
        settings.lang = text(page->lang);
        settings.stylesheet = text(page->stylesheet);
    }
    return settings;
}

} // namespace
} // namespace vellum

using namespace vellum;

extern "C" VELLUM62_EXPORT int32_t txt2h_html5(const char* title, const char* input_file,
                                               const char* output_file, const char* header_file,
                                               const char* footer_file, const char* text_color,
                                               const char* background_color, int32_t flags,
                                               const vellum62_html5_page* page_settings)
{
    return guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        const std::string_view headerName = text(header_file), footerName = text(footer_file);
        const bool templateOnly = inputName.empty();

        CallFiles files;
        if (int32_t failed = openCallFiles(templateOnly ? Reading::None : Reading::Once, inputName, outputName,
                                           {headerName, footerName}, files))
            return failed;
        PageFile& page = *files.page;

        TextPageOptions options;
        std::optional<InputFile> header, footer;
        if (!headerName.empty()) {
            if (!openFrameFile(headerName, page.fd(), header))
                options.frameResult = VELLUM62_HEADER_NOT_OPENED;
        }
        if (!footerName.empty()) {
            if (!openFrameFile(footerName, page.fd(), footer))
                options.frameResult = options.frameResult == VELLUM62_HEADER_NOT_OPENED
                                          ? VELLUM62_HEADER_AND_FOOTER_NOT_OPENED
                                          : VELLUM62_FOOTER_NOT_OPENED;
        }
        options.title = templateOnly ? text(title) : base_name(outputName);
        options.titleIsFileName = !templateOnly;
        options.outputName = base_name(outputName);
        options.textColor = text(text_color);
        options.backgroundColor = text(background_color);
        options.input = files.input ? &files.input->lines : nullptr;
        options.header = header ? &header->lines : nullptr;
        options.footer = footer ? &footer->lines : nullptr;
        options.utf8 = hasFlag(flags, VELLUM62_UTF8);
        options.declareCharset = hasFlag(flags, VELLUM62_DECLARE_CHARSET);
        options.html5 = html5Settings(flags, page_settings);

        int32_t result = convertTextPage(options, page.out());
        return page.finish() ? result : VELLUM62_OUTPUT_NOT_OPENED;
    });
}

extern "C" VELLUM62_EXPORT int32_t txt2h(const char* title, const char* input_file, const char* output_file,
                                         const char* header_file, const char* footer_file,
                                         const char* text_color, const char* background_color, int32_t flags)
{
    return txt2h_html5(title, input_file, output_file, header_file, footer_file, text_color, background_color,
                       flags, nullptr);
}

extern "C" VELLUM62_EXPORT int32_t c2h_colored(const char* input_file, const char* output_file,
                                               int32_t margin_spaces, int32_t tab_spaces, int32_t flags,
                                               const vellum62_html5_page* page_settings, const char* language,
                                               int32_t options, int32_t* coloring, char* language_used,
                                               int32_t language_used_size)
{
    CodeColouring colouring;
    const int32_t result = guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        CallFiles files;
        if (int32_t failed = openCallFiles(Reading::Once, inputName, outputName, {}, files))
            return failed;
        PageFile& page = *files.page;

        CodePageOptions code;
        code.utf8 = hasFlag(flags, VELLUM62_UTF8);
        code.declareCharset = hasFlag(flags, VELLUM62_DECLARE_CHARSET);
        code.inputName = inputName;
        code.outputName = outputName;
        code.marginSpaces = margin_spaces;
        code.tabSpaces = tab_spaces;
        code.html5 = html5Settings(flags, page_settings);
        code.language = text(language);
        code.colour = hasFlag(options, VELLUM62_COLOR_CODE);
        code.lineNumbers = hasFlag(options, VELLUM62_LINE_NUMBERS);
        code.colouring = &colouring;
        const int32_t converted = convertCodePage(files.input->lines, code, page.out());
        return page.finish() ? converted : VELLUM62_OUTPUT_NOT_OPENED;
    });
    if (coloring)
        *coloring = colouring.status;
    if (language_used && language_used_size > 0) {
        const std::size_t n = std::min<std::size_t>(colouring.language.size(),
                                                     static_cast<std::size_t>(language_used_size) - 1);
        colouring.language.copy(language_used, n); // no language: an empty view, which may hold no address
        language_used[n] = '\0';
    }
    return result;
}

extern "C" VELLUM62_EXPORT int32_t c2h_html5(const char* input_file, const char* output_file,
                                             int32_t margin_spaces, int32_t tab_spaces, int32_t flags,
                                             const vellum62_html5_page* page_settings)
{
    return c2h_colored(input_file, output_file, margin_spaces, tab_spaces, flags, page_settings, nullptr, 0,
                       nullptr, nullptr, 0);
}

extern "C" VELLUM62_EXPORT int32_t c2h_ex(const char* input_file, const char* output_file,
                                          int32_t margin_spaces, int32_t tab_spaces, int32_t flags)
{
    return c2h_html5(input_file, output_file, margin_spaces, tab_spaces, flags, nullptr);
}

extern "C" VELLUM62_EXPORT int32_t c2h(const char* input_file, const char* output_file, int32_t margin_spaces,
                                       int32_t tab_spaces)
{
    return c2h_ex(input_file, output_file, margin_spaces, tab_spaces, 0);
}

extern "C" VELLUM62_EXPORT int32_t datalist_html5(const char* input_file, const char* output_file,
                                                  int32_t ordered, int32_t list_type, int32_t list_source,
                                                  int32_t item_count, int32_t start_number,
                                                  int32_t item_separator, int32_t html_wrapper,
                                                  int32_t center_list, int32_t flags,
                                                  const vellum62_html5_page* page_settings)
{
    return guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        ListOptions options;
        options.inputName = inputName;
        options.ordered = ordered != 0;
        options.listType = list_type;
        options.listSource = list_source;
        options.itemCount = item_count;
        options.startNumber = start_number;
        options.itemSeparator = item_separator;
        options.htmlWrapper = html_wrapper != 0;
        options.centerList = center_list != 0;
        options.utf8 = hasFlag(flags, VELLUM62_UTF8);
        options.declareCharset = hasFlag(flags, VELLUM62_DECLARE_CHARSET);
        options.escapeData = hasFlag(flags, VELLUM62_ESCAPE_DATA);
        options.html5 = html5Settings(flags, page_settings);

        // Numbered items of an ordered list are read twice: once for the first number.
        const Reading reading = list_source != VELLUM62_LIST_FROM_FILE ? Reading::None
                                : options.ordered && item_separator == VELLUM62_ITEMS_BY_NUMERAL
                                    ? Reading::Twice
                                    : Reading::Once;
        CallFiles files;
        if (int32_t failed = openCallFiles(reading, inputName, outputName, {}, files))
            return failed;
        PageFile& page = *files.page;
        int32_t items = convertList(files.input ? &files.input->lines : nullptr, options, page.out());
        return page.finish() ? items : VELLUM62_OUTPUT_NOT_OPENED;
    });
}

extern "C" VELLUM62_EXPORT int32_t datalist_ex(const char* input_file, const char* output_file,
                                               int32_t ordered, int32_t list_type, int32_t list_source,
                                               int32_t item_count, int32_t start_number, int32_t item_separator,
                                               int32_t html_wrapper, int32_t center_list, int32_t flags)
{
    return datalist_html5(input_file, output_file, ordered, list_type, list_source, item_count, start_number,
                          item_separator, html_wrapper, center_list, flags, nullptr);
}

extern "C" VELLUM62_EXPORT int32_t datalist(const char* input_file, const char* output_file, int32_t ordered,
                                            int32_t list_type, int32_t list_source, int32_t item_count,
                                            int32_t start_number, int32_t item_separator,
                                            int32_t html_wrapper, int32_t center_list)
{
    return datalist_ex(input_file, output_file, ordered, list_type, list_source, item_count, start_number,
                       item_separator, html_wrapper, center_list, 0);
}

extern "C" VELLUM62_EXPORT int32_t reg_tbl_html5(const char* input_file, const char* output_file,
                                                 int32_t separator_char, int32_t padding_spaces,
                                                 int32_t html_wrapper, int32_t center_text, int32_t center_table,
                                                 const char* text_color, const char* background_color,
                                                 int32_t table_width, int32_t width_in_pixels, int32_t border,
                                                 int32_t cellpadding, int32_t cellspacing, int32_t flags,
                                                 int64_t* rows, int64_t* columns,
                                                 const vellum62_html5_page* page_settings)
{
    return guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        CallFiles files;
        if (int32_t failed = openCallFiles(Reading::Once, inputName, outputName, {}, files))
            return failed;
        PageFile& page = *files.page;

        TableOptions options;
        options.inputName = inputName;
        options.separatorChar = separator_char;
        options.paddingSpaces = padding_spaces;
        options.htmlWrapper = html_wrapper != 0;
        options.centerText = center_text != 0;
        options.centerTable = center_table != 0;
        options.textColor = text(text_color);
        options.backgroundColor = text(background_color);
        options.tableWidth = table_width;
        options.widthInPixels = width_in_pixels != 0;
        options.border = border;
        options.cellPadding = cellpadding;
        options.cellSpacing = cellspacing;
        options.utf8 = hasFlag(flags, VELLUM62_UTF8);
        options.declareCharset = hasFlag(flags, VELLUM62_DECLARE_CHARSET);
        options.csvQuotes = hasFlag(flags, VELLUM62_CSV_QUOTES);
        options.escapeData = hasFlag(flags, VELLUM62_ESCAPE_DATA);
        options.html5 = html5Settings(flags, page_settings);
        const TableSize size = convertTable(files.input->lines, options, page.out());
        if (!page.finish())
            return VELLUM62_OUTPUT_NOT_OPENED;
        if (size.binary)
            return VELLUM62_INPUT_IS_BINARY;
        if (size.notReadAgain)
            return kInputNotReadAgain;
        if (rows)
            *rows = size.rows;
        if (columns)
            *columns = size.columns;
        // A table too large for the packed result reports the largest value it can.
        const int64_t packed = size.rows * VELLUM62_ROW_FACTOR + size.columns;
        return static_cast<int32_t>(std::min<int64_t>(packed, INT32_MAX));
    });
}

extern "C" VELLUM62_EXPORT int32_t reg_tbl_sized(const char* input_file, const char* output_file,
                                                 int32_t separator_char, int32_t padding_spaces,
                                                 int32_t html_wrapper, int32_t center_text, int32_t center_table,
                                                 const char* text_color, const char* background_color,
                                                 int32_t table_width, int32_t width_in_pixels, int32_t border,
                                                 int32_t cellpadding, int32_t cellspacing, int32_t flags,
                                                 int64_t* rows, int64_t* columns)
{
    return reg_tbl_html5(input_file, output_file, separator_char, padding_spaces, html_wrapper, center_text,
                         center_table, text_color, background_color, table_width, width_in_pixels, border,
                         cellpadding, cellspacing, flags, rows, columns, nullptr);
}

extern "C" VELLUM62_EXPORT int32_t reg_tbl_ex(const char* input_file, const char* output_file,
                                              int32_t separator_char, int32_t padding_spaces,
                                              int32_t html_wrapper, int32_t center_text, int32_t center_table,
                                              const char* text_color, const char* background_color,
                                              int32_t table_width, int32_t width_in_pixels, int32_t border,
                                              int32_t cellpadding, int32_t cellspacing, int32_t flags)
{
    return reg_tbl_sized(input_file, output_file, separator_char, padding_spaces, html_wrapper, center_text,
                         center_table, text_color, background_color, table_width, width_in_pixels, border,
                         cellpadding, cellspacing, flags, nullptr, nullptr);
}

extern "C" VELLUM62_EXPORT int32_t reg_tbl(const char* input_file, const char* output_file,
                                           int32_t separator_char, int32_t padding_spaces,
                                           int32_t html_wrapper, int32_t center_text, int32_t center_table,
                                           const char* text_color, const char* background_color,
                                           int32_t table_width, int32_t width_in_pixels, int32_t border,
                                           int32_t cellpadding, int32_t cellspacing)
{
    return reg_tbl_ex(input_file, output_file, separator_char, padding_spaces, html_wrapper, center_text,
                      center_table, text_color, background_color, table_width, width_in_pixels, border,
                      cellpadding, cellspacing, 0);
}
