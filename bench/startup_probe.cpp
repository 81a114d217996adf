// vellum842-startprobe: the program exactly as vellum842 starts it, ending as soon as the main
// window has been shown and its first events processed. It prints the wall-clock time of that
// moment in nanoseconds since the epoch, for bench/app-startup.sh.
#include "window/Program.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    return pagewright::RunProgram(argc, argv, {}, [](pagewright::MainWindow&) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(
                                  std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
