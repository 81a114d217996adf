#include "colour_apart.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <unordered_map>

namespace vellum::highlight
{

namespace
{

// The child's answer: one record per span, then one end record saying whether the parse held.
struct Record
{
    uint32_t line;
    uint32_t start;
    uint32_t end;
    uint32_t capture;
};
constexpr uint32_t kEndRecord = 0xFFFFFFFFu;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressLimitWorks = false; // the sanitizer reserves terabytes of address space
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kAddressLimitWorks = false;
#else
constexpr bool kAddressLimitWorks = true;
#endif
#else
constexpr bool kAddressLimitWorks = true;
#endif

// The child's address space now, from /proc/self/statm; 0 when it cannot be read.
std::size_t addressSpaceInUse()
{
    const int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char buffer[64] = {};
    const ssize_t n = read(fd, buffer, sizeof buffer - 1);
    close(fd);
    if (n <= 0)
        return 0;
    std::size_t pages = 0;
    for (ssize_t i = 0; i < n && buffer[i] >= '0' && buffer[i] <= '9'; ++i)
        pages = pages * 10 + static_cast<std::size_t>(buffer[i] - '0');
    return pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] void runChild(const Query& query, std::string_view text, const ApartLimits& limits, int fd)
{
    std::signal(SIGPIPE, SIG_DFL);
    if (kAddressLimitWorks) {
        if (const std::size_t used = addressSpaceInUse()) {
            const rlimit limit{used + limits.memoryBytes, used + limits.memoryBytes};
            setrlimit(RLIMIT_AS, &limit);
        }
    }
    bool parsed = false;
    const std::vector<std::vector<Span>> lines = colour(query, text, limits.parseMicros, &parsed);

    std::unordered_map<const char*, uint32_t> captureIds;
    const auto names = query.captureNames();
    for (uint32_t i = 0; i < names.size(); ++i)
        captureIds.emplace(names[i].data(), i);
    std::vector<Record> records;
    records.reserve(4096);
    bool ok = true;
    auto flush = [&] {
        ok = ok && writeAll(fd, reinterpret_cast<const char*>(records.data()), records.size() * sizeof(Record));
        records.clear();
    };
    for (uint32_t line = 0; line < lines.size() && ok; ++line)
        for (const Span& span : lines[line]) {
            records.push_back({line, span.start, span.end, captureIds.at(span.capture.data())});
            if (records.size() == 4096)
                flush();
        }
    records.push_back({kEndRecord, parsed ? 1u : 0u, 0, 0});
    flush();
    _exit(ok ? 0 : 1);
}

// Reads what the child writes until it closes the pipe, for at most until `deadline`; false when
// the time ran out or the answer grew beyond `most` bytes.
bool readAnswer(int fd, std::chrono::steady_clock::time_point deadline, std::size_t most, std::string& answer)
{
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::min<int64_t>(left.count(), 1000)));
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0)
            continue;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return n == 0;
        if (answer.size() + static_cast<std::size_t>(n) > most)
            return false;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
}

// The spans of the answer, checked against the text: nothing unless every record is in range,
// the lines come in order and the end record says the parse held.
std::optional<std::vector<std::vector<Span>>> spansOf(const std::string& answer, const Query& query,
                                                      std::string_view text)
{
    if (answer.size() % sizeof(Record) != 0 || answer.empty())
        return std::nullopt;
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t lf = std::min(text.find('\n', pos), text.size());
        lengths.push_back(lf - pos);
        pos = lf + 1;
    }
    const auto names = query.captureNames();
    std::vector<std::vector<Span>> lines(lengths.size());
    const std::size_t count = answer.size() / sizeof(Record);
    for (std::size_t i = 0; i < count; ++i) {
        Record r;
        std::memcpy(&r, answer.data() + i * sizeof(Record), sizeof r);
        if (r.line == kEndRecord)
            return i + 1 == count && r.start == 1 ? std::optional(std::move(lines)) : std::nullopt;
        if (r.line >= lines.size() || r.start >= r.end || r.end > lengths[r.line] || r.capture >= names.size() ||
            (!lines[r.line].empty() && lines[r.line].back().end > r.start))
            return std::nullopt;
        lines[r.line].push_back({r.start, r.end, names[r.capture]});
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::vector<Span>>> colourApart(const Query& query, std::string_view text,
                                                          const ApartLimits& limits)
{
#ifdef VELLUM_COLOUR_IN_PROCESS
    // The fuzzing build colours in its own process, so that the fuzzer sees what happens inside.
    bool parsed = false;
    auto lines = colour(query, text, limits.parseMicros, &parsed);
    return parsed ? std::optional(std::move(lines)) : std::nullopt;
#endif
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.wallMillis);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        // Only the answer's pipe stays open: a pipe of another thread's colouring, held here,
        // would keep that one waiting for this child.
        const int answer = 3;
        if (fds[1] != answer && dup2(fds[1], answer) < 0)
            _exit(1);
        close_range(answer + 1, ~0u, 0);
        runChild(query, text, limits, answer);
    }
    close(fds[1]);
    if (child < 0) {
        close(fds[0]);
        return std::nullopt;
    }
    std::string answer;
    // A span covers at least one byte, so an honest answer is never longer than this.
    const std::size_t most = (text.size() + 1) * sizeof(Record);
    const bool complete = readAnswer(fds[0], deadline, most, answer);
    close(fds[0]);
    if (!complete)
        kill(child, SIGKILL);
    int status = 0;
    pid_t waited;
    do
        waited = waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    // A caller that ignores SIGCHLD has its children reaped for it (ECHILD); the answer's own end
    // record then tells whether it is whole.
    const bool exitedWell = waited < 0 ? errno == ECHILD : WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!complete || !exitedWell)
        return std::nullopt;
    return spansOf(answer, query, text);
}

} // namespace vellum::highlight
