#include "page_files.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pagewright
{
namespace
{

// The temporary files and folders of the running conversion, for the signal handler: files
// first, so that their folders are empty when they are removed.
enum Slot { PageFile, PageFolder, InputCopy, ScratchDir, SlotCount };
char g_paths[SlotCount][PATH_MAX];
volatile sig_atomic_t g_tracked[SlotCount];

void track(Slot slot, const std::string& path)
{
    g_tracked[slot] = 0;
    if (path.size() < PATH_MAX) {
        std::memcpy(g_paths[slot], path.c_str(), path.size() + 1);
        g_tracked[slot] = 1;
    }
}

void untrack(Slot slot)
{
    g_tracked[slot] = 0;
}

extern "C" void removeTemporaries(int signal)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (g_tracked[slot]) {
            ::unlink(g_paths[slot]);
            ::rmdir(g_paths[slot]);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string temporaryFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

// A new folder "<parent>/.pagewright-XXXXXX"; empty with errno set on failure.
std::string makeFolder(const std::string& parent)
{
    std::string name = parent + "/.pagewright-XXXXXX";
    return ::mkdtemp(name.data()) ? name : std::string();
}

// Copies everything from one descriptor to the other; 0 or the errno of the failed step, with
// `reading` telling which side failed.
int copyAll(int from, int to, bool& reading)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        reading = true;
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : 0;
        reading = false;
        for (ssize_t done = 0; done < n;) {
            const ssize_t written = ::write(to, buffer + done, static_cast<size_t>(n - done));
            if (written < 0 && errno != EINTR)
                return errno;
            done += written > 0 ? written : 0;
        }
    }
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string FileProblem::text() const
{
    const std::string name =
        file == "-" ? (action == "read" ? "standard input" : "standard output") : "'" + file + "'";
    return "cannot " + action + " " + name + ": " + reason;
}

ScratchFolder::~ScratchFolder()
{
    if (m_path.empty())
        return;
    ::unlink((m_path + "/input").c_str());
    ::rmdir(m_path.c_str());
    untrack(InputCopy);
    untrack(ScratchDir);
}

const std::string& ScratchFolder::path()
{
    if (m_path.empty()) {
        m_path = makeFolder(temporaryFolder());
        if (!m_path.empty())
            track(ScratchDir, m_path);
    }
    return m_path;
}

std::optional<FileProblem> readableInput(const std::string& input, ScratchFolder& scratch, std::string& path)
{
    const auto problem = [&](const std::string& file, const char* action, int error) {
        return FileProblem{action, file, std::strerror(error)};
    };
    const bool standardInput = input == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st = {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return problem(input, "read", errno);
    const auto done = [&] {
        if (!standardInput)
            ::close(fd);
    };
    if (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && !standardInput)) {
        done();
        path = input;
        return S_ISDIR(st.st_mode) ? std::optional(problem(input, "read", EISDIR)) : std::nullopt;
    }
    const std::string& folder = scratch.path();
    if (folder.empty()) {
        const int error = errno;
        done();
        return problem(temporaryFolder(), "write", error);
    }
    path = folder + "/input";
    const int copy = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    track(InputCopy, path);
    bool reading = false;
    int error = copy < 0 ? errno : copyAll(fd, copy, reading);
    if (copy >= 0 && ::close(copy) != 0 && error == 0)
        error = errno;
    done();
    if (error != 0)
        return reading ? problem(input, "read", error) : problem(path, "write", error);
    return std::nullopt;
}

std::optional<FileProblem> checkReadable(const std::string& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st = {};
    int error = fd < 0 || ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (fd >= 0)
        ::close(fd);
    if (error != 0)
        return FileProblem{"read", file, std::strerror(error)};
    return std::nullopt;
}

bool isSameFile(const struct stat& st, const std::string& file)
{
    struct stat other = {};
    return ::stat(file.c_str(), &other) == 0 && other.st_dev == st.st_dev && other.st_ino == st.st_ino;
}

void removeTemporariesOnSignals()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, removeTemporaries);
    // A page over the file-size limit is a failed write, reported like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    // A closed standard output is reported as a failed write.
    std::signal(SIGPIPE, SIG_IGN);
}

PageOutput::PageOutput(std::string output, std::string pageName)
    : m_output(std::move(output)), m_pageName(std::move(pageName))
{
}

PageOutput::~PageOutput()
{
    discard();
}

FileProblem PageOutput::problem(int error) const
{
    return {"write", m_output, std::strerror(error)};
}

FileProblem PageOutput::unwritten() const
{
    struct statvfs space = {};
    if (!m_folder.empty() && ::statvfs(m_folder.c_str(), &space) == 0 && space.f_bavail == 0)
        return problem(ENOSPC);
    struct stat page = {};
    struct rlimit limit = {};
    if (::stat(m_page.c_str(), &page) == 0 && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 &&
        limit.rlim_cur != RLIM_INFINITY && static_cast<rlim_t>(page.st_size) >= limit.rlim_cur)
        return problem(EFBIG);
    if (!m_folder.empty() && ::access(m_folder.c_str(), W_OK) != 0)
        return problem(EACCES);
    return {"write", m_output, "the page could not be written"};
}

std::optional<FileProblem> PageOutput::prepare()
{
    m_stream = m_output == "-";
    m_target = m_output;
    for (int links = 0; !m_stream; ++links) {
        struct stat st = {};
        if (::lstat(m_target.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return problem(errno);
            break; // a new file
        }
        if (S_ISLNK(st.st_mode)) {
            // The page goes into the file the link points to; the link stays.
            char link[PATH_MAX];
            const ssize_t n = ::readlink(m_target.c_str(), link, sizeof link - 1);
            if (n < 0 || links == 40)
                return problem(n < 0 ? errno : ELOOP);
            const std::string to(link, static_cast<size_t>(n));
            m_target = to.starts_with("/") ? to : folderOf(m_target) + "/" + to;
            continue;
        }
        if (S_ISDIR(st.st_mode))
            return problem(EISDIR);
        if (!S_ISREG(st.st_mode)) {
            m_stream = true; // a device or a pipe: nothing to keep, written directly
            break;
        }
        // Refused as the library refuses it: an existing output it could not open for writing.
        const int fd = ::open(m_target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return problem(errno);
        ::close(fd);
        m_existing = st;
        break;
    }
    const std::string name = m_output == "-" ? m_pageName : m_output.substr(m_output.find_last_of('/') + 1);
    if (name.empty())
        return problem(EISDIR);
    m_folder = makeFolder(m_stream ? temporaryFolder() : folderOf(m_target));
    if (m_folder.empty())
        return problem(errno);
    track(PageFolder, m_folder);
    m_page = m_folder + "/" + name;
    track(PageFile, m_page);
    return std::nullopt;
}

std::optional<FileProblem> PageOutput::commit()
{
    const int page = ::open(m_page.c_str(), O_RDONLY | O_CLOEXEC);
    if (page < 0)
        return problem(errno);
    int error = 0;
    if (m_stream) {
        const int to = m_output == "-" ? STDOUT_FILENO : ::open(m_target.c_str(), O_WRONLY | O_CLOEXEC);
        bool reading = false;
        error = to < 0 ? errno : copyAll(page, to, reading);
        if (to >= 0 && to != STDOUT_FILENO && ::close(to) != 0 && error == 0)
            error = errno;
    } else if (::fsync(page) != 0) {
        error = errno;
    } else if (m_existing) {
        // The page takes the place of the old file with its owner and permissions, as far as the
        // user may set them.
        if (::fchown(page, m_existing->st_uid, m_existing->st_gid) != 0 &&
            ::fchown(page, static_cast<uid_t>(-1), m_existing->st_gid) != 0) {
            // Otherwise the page belongs to whoever converted it, as a new file would.
        }
        if (::fchmod(page, m_existing->st_mode & 07777) != 0)
            error = errno;
    }
    ::close(page);
    if (error == 0 && !m_stream && ::rename(m_page.c_str(), m_target.c_str()) != 0)
        error = errno;
    if (error != 0)
        return problem(error);
    untrack(PageFile);
    if (!m_stream) {
        m_page.clear();
        const int folder = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder); // the rename itself survives a crash
            ::close(folder);
        }
    }
    discard();
    return std::nullopt;
}

void PageOutput::discard()
{
    if (!m_page.empty())
        ::unlink(m_page.c_str());
    if (!m_folder.empty())
        ::rmdir(m_folder.c_str());
    untrack(PageFile);
    untrack(PageFolder);
    m_page.clear();
    m_folder.clear();
}

} // namespace pagewright
