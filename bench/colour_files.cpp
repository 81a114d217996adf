// Converts every file named on standard input (one path a line) to an HTML5 code page, coloured
// (c2h_colored with VELLUM62_COLOR_CODE) or plain (c2h_html5), in one process, and prints
//   files bytes seconds coloured not-coloured peak-RSS-KiB colouring-peak-RSS-KiB cpu-seconds
// the colouring peak being the largest of the colouring processes it kept (still running, as its
// children, when it ends) and of those that ended, and the CPU time that of this process and all
// its children: on a shared machine it varies less than the time on the clock.
// Used by bench/colour.sh.
#include <vellum62.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <dirent.h>
#include <fstream>
#include <unistd.h>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>

// The largest VmHWM (peak resident memory, KiB) of this process's running children, and the CPU
// time they have taken.
long childrenPeak(double& cpuSeconds)
{
    long peak = 0;
    DIR* proc = opendir("/proc");
    for (dirent* e; proc && (e = readdir(proc));) {
        std::ifstream stat(std::string("/proc/") + e->d_name + "/stat");
        std::string pid, comm, state, skip;
        long parent = 0;
        if (!(stat >> pid >> comm >> state >> parent) || parent != getpid())
            continue;
        long user = 0, system = 0;
        for (int field = 5; field < 14; ++field)
            stat >> skip;
        stat >> user >> system;
        cpuSeconds += double(user + system) / double(sysconf(_SC_CLK_TCK));
        std::ifstream status(std::string("/proc/") + e->d_name + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmHWM:", 0) == 0)
                peak = std::max(peak, std::stol(line.substr(6)));
    }
    if (proc)
        closedir(proc);
    return peak;
}

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "coloured") != 0 && std::strcmp(argv[1], "plain") != 0)) {
        std::cerr << "usage: colour_files coloured|plain OUTPUT.htm < list-of-files\n";
        return 2;
    }
    const bool coloured = std::strcmp(argv[1], "coloured") == 0;
    long long files = 0, bytes = 0, colouredFiles = 0, plainFiles = 0;
    std::chrono::duration<double> spent{};
    for (std::string path; std::getline(std::cin, path);) {
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const auto start = std::chrono::steady_clock::now();
        int32_t coloring = -1;
        const int32_t result =
            coloured ? c2h_colored(path.c_str(), argv[2], 4, 4, VELLUM62_HTML5, nullptr, nullptr, VELLUM62_COLOR_CODE,
                                   &coloring, nullptr, 0)
                     : c2h_html5(path.c_str(), argv[2], 4, 4, VELLUM62_HTML5, nullptr);
        spent += std::chrono::steady_clock::now() - start;
        if (result != VELLUM62_DONE)
            continue;
        ++files;
        bytes += st.st_size;
        (coloring == VELLUM62_COLORED ? colouredFiles : plainFiles) += 1;
    }
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    double cpu = seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime) +
                 seconds(children.ru_stime);
    const long peak = std::max(children.ru_maxrss, childrenPeak(cpu));
    std::printf("%lld %lld %.3f %lld %lld %ld %ld %.3f\n", files, bytes, spent.count(), colouredFiles, plainFiles,
                self.ru_maxrss, peak, cpu);
    return 0;
}
