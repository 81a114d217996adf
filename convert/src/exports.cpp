// The four exported calls: open the files, run a conversion core, close the files and turn every
// failure into a result code. No C++ exception crosses this boundary.
#include "vellum62.h"

#include "converters.h"
#include "line_reader.h"
#include "output.h"
#include "text_utils.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vellum {
namespace {

std::string_view text(const char* s)
{
    return s ? std::string_view(s) : std::string_view();
}

// A file descriptor closed when it goes out of scope.
class OpenFile {
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
class PageFile {
public:
    explicit PageFile(OpenFile file) : m_file(std::move(file)), m_fd(m_file.fd()), m_out(writeToFile, &m_fd) {}
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
    InputFile(OpenFile opened, std::size_t pieceSize)
        : file(std::move(opened)), source(file.fd()), lines(source, pieceSize)
    {
    }
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
    if (::fstat(file.fd(), &fileInfo) == 0 && ::fstat(outputFd, &outputInfo) == 0 && sameFile(fileInfo, outputInfo))
        return false;
    frameFile.emplace(std::move(file), kDataPieceSize);
    return true;
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

} // namespace
} // namespace vellum

using namespace vellum;

extern "C" VELLUM62_EXPORT int32_t txt2h(const char* title, const char* input_file, const char* output_file,
                                         const char* header_file, const char* footer_file,
                                         const char* text_color, const char* background_color, int32_t)
{
    return guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        const std::string_view headerName = text(header_file), footerName = text(footer_file);
        const bool templateOnly = inputName.empty();

        std::optional<InputFile> input;
        if (!templateOnly) {
            OpenFile file = openForReading(inputName);
            if (!file.isOpen())
                return VELLUM62_INPUT_NOT_OPENED;
            input.emplace(std::move(file), kTextPieceSize);
        }
        if (outputIsAnInput(outputName, {inputName, headerName, footerName}))
            return VELLUM62_OUTPUT_NOT_OPENED;
        OpenFile outputFile = openForWriting(outputName);
        if (!outputFile.isOpen())
            return VELLUM62_OUTPUT_NOT_OPENED;
        PageFile page(std::move(outputFile));

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
        options.textColor = text(text_color);
        options.backgroundColor = text(background_color);
        options.input = input ? &input->lines : nullptr;
        options.header = header ? &header->lines : nullptr;
        options.footer = footer ? &footer->lines : nullptr;

        int32_t result = convertTextPage(options, page.out());
        return page.finish() ? result : VELLUM62_OUTPUT_NOT_OPENED;
    });
}

extern "C" VELLUM62_EXPORT int32_t c2h(const char* input_file, const char* output_file, int32_t margin_spaces,
                                       int32_t tab_spaces)
{
    return guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        OpenFile file = openForReading(inputName);
        if (!file.isOpen())
            return VELLUM62_INPUT_NOT_OPENED;
        InputFile input(std::move(file), kTextPieceSize);
        if (outputIsAnInput(outputName, {inputName}))
            return VELLUM62_OUTPUT_NOT_OPENED;
        OpenFile outputFile = openForWriting(outputName);
        if (!outputFile.isOpen())
            return VELLUM62_OUTPUT_NOT_OPENED;
        PageFile page(std::move(outputFile));

        CodePageOptions options;
        options.inputName = inputName;
        options.outputName = outputName;
        options.marginSpaces = margin_spaces;
        options.tabSpaces = tab_spaces;
        convertCodePage(input.lines, options, page.out());
        return page.finish() ? VELLUM62_DONE : VELLUM62_OUTPUT_NOT_OPENED;
    });
}

extern "C" VELLUM62_EXPORT int32_t datalist(const char* input_file, const char* output_file, int32_t ordered,
                                            int32_t list_type, int32_t list_source, int32_t item_count,
                                            int32_t start_number, int32_t item_separator, int32_t html_wrapper,
                                            int32_t center_list)
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

        std::optional<InputFile> input;
        if (list_source == VELLUM62_LIST_FROM_FILE) {
            OpenFile file = openForReading(inputName);
            if (!file.isOpen())
                return VELLUM62_INPUT_NOT_OPENED;
            // Numbered items of an ordered list are read twice: once for the first number.
            const bool readTwice = options.ordered && item_separator == VELLUM62_ITEMS_BY_NUMERAL;
            if (readTwice && ::lseek(file.fd(), 0, SEEK_CUR) < 0)
                return VELLUM62_INPUT_NOT_OPENED;
            input.emplace(std::move(file), kDataPieceSize);
            if (outputIsAnInput(outputName, {inputName}))
                return VELLUM62_OUTPUT_NOT_OPENED;
        }
        OpenFile outputFile = openForWriting(outputName);
        if (!outputFile.isOpen())
            return VELLUM62_OUTPUT_NOT_OPENED;
        PageFile page(std::move(outputFile));
        int32_t items = convertList(input ? &input->lines : nullptr, options, page.out());
        return page.finish() ? items : VELLUM62_OUTPUT_NOT_OPENED;
    });
}

extern "C" VELLUM62_EXPORT int32_t reg_tbl(const char* input_file, const char* output_file, int32_t separator_char,
                                           int32_t padding_spaces, int32_t html_wrapper, int32_t center_text,
                                           int32_t center_table, const char* text_color,
                                           const char* background_color, int32_t table_width,
                                           int32_t width_in_pixels, int32_t border, int32_t cellpadding,
                                           int32_t cellspacing)
{
    return guarded([&]() -> int32_t {
        const std::string_view inputName = text(input_file), outputName = text(output_file);
        OpenFile file = openForReading(inputName);
        if (!file.isOpen())
            return VELLUM62_INPUT_NOT_OPENED;
        InputFile input(std::move(file), kDataPieceSize);
        if (outputIsAnInput(outputName, {inputName}))
            return VELLUM62_OUTPUT_NOT_OPENED;
        OpenFile outputFile = openForWriting(outputName);
        if (!outputFile.isOpen())
            return VELLUM62_OUTPUT_NOT_OPENED;
        PageFile page(std::move(outputFile));

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
        TableSize size = convertTable(input.lines, options, page.out());
        if (!page.finish())
            return VELLUM62_OUTPUT_NOT_OPENED;
        // A table too large for the packed result reports the largest value it can.
        const int64_t packed = size.rows * VELLUM62_ROW_FACTOR + size.columns;
        return static_cast<int32_t>(std::min<int64_t>(packed, INT32_MAX));
    });
}
