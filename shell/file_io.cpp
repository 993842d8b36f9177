#include "shell/file_io.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::atomic<unsigned> g_tempCounter{0};

void SetError(std::string* errorOut, const std::string& text) {
    if (errorOut) *errorOut = text;
}

}  // namespace

bool EnsureDirectory(const std::string& path) {
    if (path.empty()) return true;
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !std::filesystem::exists(path, ec);
}

bool WriteFileAtomically(const std::string& path, const void* bytes, std::size_t size,
                         std::string* errorOut) {
    if (path.empty()) {
        SetError(errorOut, "empty file name");
        return false;
    }
    std::filesystem::path target(path);
    if (target.has_parent_path() && !EnsureDirectory(target.parent_path().string())) {
        SetError(errorOut, "cannot create folder " + target.parent_path().string());
        return false;
    }
    // The temporary sits in the same folder so the rename never crosses
    // file systems; the counter keeps two writes of one file apart.
    std::string temp = path + ".tmp" + std::to_string(g_tempCounter.fetch_add(1));
    {
        std::FILE* f = std::fopen(temp.c_str(), "wb");
        if (!f) {
            SetError(errorOut, "cannot create " + temp);
            return false;
        }
        bool ok = size == 0 || std::fwrite(bytes, 1, size, f) == size;
        ok = (std::fflush(f) == 0) && ok;
        ok = (std::fclose(f) == 0) && ok;
        if (!ok) {
            std::remove(temp.c_str());
            SetError(errorOut, "cannot write " + temp);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        SetError(errorOut, "cannot replace " + path + ": " + ec.message());
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* errorOut) {
    return WriteFileAtomically(path, bytes.data(), bytes.size(), errorOut);
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string* errorOut) {
    return WriteFileAtomically(path, bytes.data(), bytes.size(), errorOut);
}

namespace {

template <typename Buffer>
bool ReadInto(const std::string& path, Buffer& out, std::size_t maxBytes) {
    out.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    std::streamoff length = in.tellg();
    if (length < 0 || static_cast<std::uint64_t>(length) > maxBytes) return false;
    in.seekg(0, std::ios::beg);
    out.resize(static_cast<std::size_t>(length));
    if (length > 0 && !in.read(reinterpret_cast<char*>(out.data()), length)) {
        out.clear();
        return false;
    }
    return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
    return ReadInto(path, out, maxBytes);
}

bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    return ReadInto(path, out, maxBytes);
}
