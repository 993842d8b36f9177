// Whole-file reads and safe writes for the game's own files (settings,
// running marks, save slots, trace log).
//
// A write never leaves a half-written file behind: the bytes go to a
// temporary file next to the target, are flushed, and the temporary is then
// renamed over the target in one step. If anything fails the old file is left
// as it was and the temporary is removed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes bytes to path through a temporary file and a rename. Creates the
// missing folders of path first. The temporary is flushed to disk before the
// rename and the folder after it. Returns false (old file untouched) on any
// failure, also when the file is write-protected; errorOut, when given,
// receives a short reason.
bool WriteFileAtomically(const std::string& path, const void* bytes, std::size_t size,
                         std::string* errorOut = nullptr);
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         std::string* errorOut = nullptr);
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string* errorOut = nullptr);

// Reads the whole file. Returns false when it does not exist, is not a
// regular file (a FIFO is refused without being waited on) or cannot be read
// (out is then empty). maxBytes guards against absurd files: a larger file is
// refused rather than read. why, when given, says which, as a predicate
// ("is not a regular file") for the caller to put its subject before.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                   std::size_t maxBytes = 64u * 1024u * 1024u, std::string* why = nullptr);
bool ReadWholeFile(const std::string& path, std::string& out,
                   std::size_t maxBytes = 64u * 1024u * 1024u, std::string* why = nullptr);

// Opens a regular file for appending (created when missing); null when it
// cannot be opened or is something else, such as a FIFO.
std::FILE* OpenForAppend(const std::string& path);

// A write past the process's file-size limit (ulimit -f) then fails with an
// error like any other failed write instead of killing the program by
// SIGXFSZ. Called once at start-up, before the first file is written.
void LetWritesPastTheFileSizeLimitFail();

bool FileExists(const std::string& path);
// Creates the folder and its parents; true when it exists afterwards.
bool EnsureDirectory(const std::string& path);
// Removes a file; true when it no longer exists afterwards.
bool RemoveFile(const std::string& path);
