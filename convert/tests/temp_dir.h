// A folder of its own for one test, removed with it, and whole-file reading and writing.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

struct TempDir {
    const std::filesystem::path dir = [] {
        static int count = 0;
        auto dir = std::filesystem::temp_directory_path() /
                   ("vellum-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        std::filesystem::create_directories(dir);
        return dir;
    }();
    ~TempDir() { std::filesystem::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    // Writes the file and gives its full name.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return path(name);
    }
};

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
