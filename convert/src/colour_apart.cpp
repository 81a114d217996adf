#include "colour_apart.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <unordered_map>

namespace vellum::highlight
{

namespace
{

using Clock = std::chrono::steady_clock;

// A request: this header, the language's name, then the text.
struct RequestHeader
{
    uint32_t nameSize;
    uint32_t reserved;
    uint64_t textSize;
    uint64_t parseMicros;
};
constexpr uint32_t kLongestName = 64;
constexpr uint64_t kLargestText = uint64_t{1} << 32;
constexpr std::size_t kTrimAfter = 256 * 1024;

// The answer: one record per span, then one end record saying whether the parse held.
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

// The process's address space and its data (private writable memory and stack) now, from
// /proc/self/statm; zeros when it cannot be read.
struct MemoryInUse
{
    std::size_t address = 0;
    std::size_t data = 0;
};
MemoryInUse memoryInUse()
{
    const int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[128] = {};
    const ssize_t n = read(fd, buffer, sizeof buffer - 1);
    close(fd);
    if (n <= 0)
        return {};
    // size resident shared text lib data dt, in pages
    std::size_t fields[6] = {};
    int field = 0;
    for (ssize_t i = 0; i < n && field < 6; ++i) {
        if (buffer[i] >= '0' && buffer[i] <= '9')
            fields[field] = fields[field] * 10 + static_cast<std::size_t>(buffer[i] - '0');
        else if (buffer[i] == ' ')
            ++field;
        else
            break;
    }
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return field >= 5 ? MemoryInUse{fields[0] * page, fields[5] * page} : MemoryInUse{};
}

// The colouring process's side: blocking reads and writes on its socket, each of all `size`
// bytes, through interruptions and short transfers.
template <typename Transfer, typename Bytes>
bool transferAll(Transfer transfer, int fd, Bytes* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = transfer(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}
bool readExactly(int fd, char* data, std::size_t size)
{
    return transferAll(::read, fd, data, size);
}
bool writeAll(int fd, const char* data, std::size_t size)
{
    return transferAll(::write, fd, data, size);
}

// Serves requests until the caller closes its end, then exits; exits at once on anything amiss.
[[noreturn]] void serve(int fd, std::size_t memoryBytes)
{
    std::signal(SIGPIPE, SIG_DFL);
    if (kAddressLimitWorks) {
        // Both limits: the address space bounds new mappings, but the malloc arenas of the
        // caller's threads, inherited as reserved space, grow without new mappings; making that
        // space writable counts against the data limit.
        if (const MemoryInUse used = memoryInUse(); used.address > 0 && used.data > 0) {
            const rlimit address{used.address + memoryBytes, used.address + memoryBytes};
            const rlimit data{used.data + memoryBytes, used.data + memoryBytes};
            setrlimit(RLIMIT_AS, &address);
            setrlimit(RLIMIT_DATA, &data);
        }
    }
    std::string name, text;
    std::vector<Record> records;
    for (;;) {
        RequestHeader header;
        if (!readExactly(fd, reinterpret_cast<char*>(&header), sizeof header))
            _exit(0);
        if (header.nameSize > kLongestName || header.textSize > kLargestText)
            _exit(1);
        name.resize(header.nameSize);
        text.resize(header.textSize);
        if (!readExactly(fd, name.data(), name.size()) || !readExactly(fd, text.data(), text.size()))
            _exit(1);

        const Query* query = queryFor(name);
        bool parsed = false;
        std::vector<std::vector<Span>> lines =
            query ? colour(*query, text, header.parseMicros, &parsed) : std::vector<std::vector<Span>>();
        std::unordered_map<const char*, uint32_t> captureIds;
        if (query)
            for (uint32_t i = 0; i < query->captureNames().size(); ++i)
                captureIds.emplace(query->captureNames()[i].data(), i);
        records.clear();
        bool ok = true;
        for (uint32_t line = 0; line < lines.size() && ok; ++line)
            for (const Span& span : lines[line]) {
                records.push_back({line, span.start, span.end, captureIds.at(span.capture.data())});
                if (records.size() == 4096) {
                    ok = writeAll(fd, reinterpret_cast<const char*>(records.data()), records.size() * sizeof(Record));
                    records.clear();
                }
            }
        records.push_back({kEndRecord, parsed ? 1u : 0u, 0, 0});
        if (!ok || !writeAll(fd, reinterpret_cast<const char*>(records.data()), records.size() * sizeof(Record)))
            _exit(1);
        // A kept process waits with what the next small file needs, not with a large file's tree.
        if (text.size() > kTrimAfter) {
            std::string().swap(text);
            std::vector<std::vector<Span>>().swap(lines);
            malloc_trim(0);
        }
    }
}

// A colouring process and the caller's end of the socket to it.
struct Server
{
    pid_t pid = -1;
    int fd = -1;
    std::size_t memoryBytes = 0;
};

// Idle colouring processes, for the next call; a few at most, one per thread colouring at once.
constexpr std::size_t kMostIdle = 4;
std::mutex poolMutex;
std::vector<Server> idle;

std::optional<Server> start(std::size_t memoryBytes)
{
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return std::nullopt;
    pid_t pid;
    {
        // No query is half built in the child.
        const std::lock_guard noQueryBuilding(queryBuildMutex());
        pid = fork();
    }
    if (pid == 0) {
        // Only its socket stays open: a socket of another colouring process, held here, would
        // keep that one from seeing its caller leave.
        const int own = 3;
        const int moved = fcntl(fds[1], F_DUPFD, own + 1);
        if (moved < 0 || dup2(moved, own) < 0)
            _exit(1);
        close_range(own + 1, ~0u, 0);
        serve(own, memoryBytes);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return std::nullopt;
    }
    return Server{pid, fds[0], memoryBytes};
}

// Ends a colouring process: killed, since another process forked meanwhile may hold its socket
// and keep it from seeing the end, then waited for. A caller that ignores SIGCHLD has it reaped
// for it (ECHILD).
void retire(Server& server)
{
    close(server.fd);
    kill(server.pid, SIGKILL);
    while (waitpid(server.pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

Server take(std::size_t memoryBytes, bool fresh)
{
    if (!fresh) {
        const std::lock_guard lock(poolMutex);
        for (auto it = idle.begin(); it != idle.end(); ++it)
            if (it->memoryBytes == memoryBytes) {
                const Server server = *it;
                idle.erase(it);
                return server;
            }
    }
    return start(memoryBytes).value_or(Server{});
}

void giveBack(Server server)
{
    {
        const std::lock_guard lock(poolMutex);
        if (idle.size() < kMostIdle) {
            idle.push_back(server);
            return;
        }
    }
    retire(server);
}

// Waits until the socket is ready for `events`, at most until `deadline`.
bool ready(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p{fd, events, 0};
        const int n = poll(&p, 1, static_cast<int>(std::min<int64_t>(left, 1000)));
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
    }
}

bool sendAll(int fd, const char* data, std::size_t size, Clock::time_point deadline)
{
    while (size > 0) {
        const ssize_t n = send(fd, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!ready(fd, POLLOUT, deadline))
                return false;
        } else if (!(n < 0 && errno == EINTR)) {
            return false;
        }
    }
    return true;
}

// Reads the answer up to its end record, at most until `deadline` and `most` bytes.
bool receiveAnswer(int fd, Clock::time_point deadline, std::size_t most, std::string& answer)
{
    char buffer[65536];
    for (;;) {
        if (answer.size() >= sizeof(Record) && answer.size() % sizeof(Record) == 0) {
            uint32_t line;
            std::memcpy(&line, answer.data() + answer.size() - sizeof(Record), sizeof line);
            if (line == kEndRecord)
                return true;
        }
        const ssize_t n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            if (answer.size() + static_cast<std::size_t>(n) > most)
                return false;
            answer.append(buffer, static_cast<std::size_t>(n));
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!ready(fd, POLLIN, deadline))
                return false;
        } else if (!(n < 0 && errno == EINTR)) {
            return false; // the process ended or failed
        }
    }
}

// The spans of the answer, checked against the text: nothing unless every record is in range,
// the spans of a line come in order and the end record says the parse held.
std::optional<std::vector<std::vector<Span>>> spansOf(const std::string& answer, const Query& query,
                                                      std::string_view text)
{
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t lf = std::min(text.find('\n', pos), text.size());
        lengths.push_back(lf - pos);
        pos = lf + 1;
    }
    const auto& names = query.captureNames();
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

std::optional<std::vector<std::vector<Span>>> colourApart(std::string_view language, std::string_view text,
                                                          const ApartLimits& limits)
{
    const Query* query = queryFor(language);
    if (!query || language.size() > kLongestName || text.size() > kLargestText)
        return std::nullopt;
#ifdef VELLUM_COLOUR_IN_PROCESS
    // The fuzzing build colours in its own process, so that the fuzzer sees what happens inside.
    bool parsed = false;
    auto lines = colour(*query, text, limits.parseMicros, &parsed);
    return parsed ? std::optional(std::move(lines)) : std::nullopt;
#endif
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits.wallMillis);
    const RequestHeader header{static_cast<uint32_t>(language.size()), 0, text.size(), limits.parseMicros};
    // A kept process may have died since its last call; then one fresh process is tried.
    for (const bool fresh : {false, true}) {
        Server server = take(limits.memoryBytes, fresh);
        if (server.pid < 0)
            return std::nullopt;
        const bool sent = sendAll(server.fd, reinterpret_cast<const char*>(&header), sizeof header, deadline);
        if (!sent && !fresh) {
            retire(server);
            continue;
        }
        std::string answer;
        // A span covers at least one byte, so an honest answer is never longer than this.
        const std::size_t most = (text.size() + 1) * sizeof(Record);
        const bool answered = sent && sendAll(server.fd, language.data(), language.size(), deadline) &&
                              sendAll(server.fd, text.data(), text.size(), deadline) &&
                              receiveAnswer(server.fd, deadline, most, answer);
        if (!answered) {
            retire(server);
            return std::nullopt;
        }
        giveBack(server);
        return spansOf(answer, *query, text);
    }
    return std::nullopt;
}

} // namespace vellum::highlight
