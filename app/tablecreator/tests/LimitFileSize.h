// A full disk for the tests: while one of these lives, the process may not write files larger
// than the given number of bytes (a write beyond it fails instead of raising SIGXFSZ).
#ifndef PAGEWRIGHT_LIMITFILESIZE_H
#define PAGEWRIGHT_LIMITFILESIZE_H

#include <sys/resource.h>

#include <csignal>

class LimitFileSize
{
public:
    explicit LimitFileSize(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        struct rlimit small = m_saved;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~LimitFileSize()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    LimitFileSize(const LimitFileSize&) = delete;
    LimitFileSize& operator=(const LimitFileSize&) = delete;

private:
    struct rlimit m_saved {
    };
    void (*m_handler)(int);
};

#endif
