// The files of one conversion as pagewright-convert hands them to the library: inputs that can
// be read twice, and an output that only a finished page replaces.
#pragma once

#include <optional>
#include <string>
#include <sys/stat.h>

namespace pagewright
{

// What went wrong with a file, in the system's words: "cannot read 'notes.txt': No such file or
// directory".
struct FileProblem {
    std::string action; // "read" or "write"
    std::string file;   // as the user named it
    std::string reason;
    std::string text() const; // "-" is standard input or output
};

// A folder of its own under TMPDIR, removed with everything in it when the object goes.
class ScratchFolder
{
public:
    ScratchFolder() = default;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();
    // The folder, created on first use; empty with errno set when it cannot be made.
    const std::string& path();

private:
    std::string m_path;
};

// The name under which the library reads `input`: a regular file is read where it is; standard
// input ("-"), a pipe or a device is first copied into `scratch`, since a list from numbered items
// is read twice.
std::optional<FileProblem> readableInput(const std::string& input, ScratchFolder& scratch, std::string& path);

// A file the user named for reading alongside the input (a header or footer), checked as the
// library will open it.
std::optional<FileProblem> checkReadable(const std::string& file);

// The output of one conversion. The library writes the page into a folder of its own made
// beside the output (so the page keeps the output's file name, which a text page takes its title
// from); commit() then renames the page over the output. Standard output ("-") and outputs that
// are not regular files (a device, a pipe) get the page copied into them instead, from a folder
// under TMPDIR. Whatever commit() did not place is removed when the object goes, also when the
// program is interrupted.
class PageOutput
{
public:
    // pageName: the file name the library sees when the output is standard output.
    PageOutput(std::string output, std::string pageName);
    PageOutput(const PageOutput&) = delete;
    PageOutput& operator=(const PageOutput&) = delete;
    ~PageOutput();

    std::optional<FileProblem> prepare();
    // Where the library writes the page.
    const std::string& pagePath() const { return m_page; }
    // The regular file the page will replace, if there is one.
    const std::optional<struct stat>& existing() const { return m_existing; }
    std::optional<FileProblem> commit();
    // Why a page that the library could not write was not written, as far as this side can tell
    // from the page's folder: no room left on its file system, the page at the size limit for
    // files, or the folder not writable; otherwise that the page could not be written.
    FileProblem unwritten() const;

private:
    void discard();
    FileProblem problem(int error) const;

    std::string m_output; // as named by the user
    std::string m_target; // the output with its symbolic links followed
    std::string m_pageName;
    bool m_stream = false;
    std::optional<struct stat> m_existing;
    std::string m_folder;
    std::string m_page;
};

// Whether `file` names the same file as `st` (under any name or link); false when it does not exist.
bool isSameFile(const struct stat& st, const std::string& file);

// Removes the temporary files of the running conversion when the program is interrupted or
// terminated.
void removeTemporariesOnSignals();

} // namespace pagewright
