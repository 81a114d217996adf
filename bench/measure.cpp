// Runs a command several times and prints the median wall time in seconds and the peak resident
// memory in KiB of its runs: "SECONDS KIB".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: measure RUNS COMMAND [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<double> seconds;
    long peakKiB = 0;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        pid_t child = fork();
        if (child == 0) {
            // The converters report on standard error; keep the table clean.
            freopen("/dev/null", "w", stderr);
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        int status = 0;
        struct rusage usage {};
        wait4(child, &status, 0, &usage);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
        if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) {
            std::fprintf(stderr, "measure: %s failed\n", argv[2]);
            return 1;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("%.4f %ld\n", seconds[seconds.size() / 2], peakKiB);
    return 0;
}
