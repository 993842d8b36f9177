#include "core/file_io.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

std::atomic<unsigned> g_tempCounter{0};

void SetError(std::string* errorOut, const std::string& text) {
    if (errorOut) *errorOut = text;
}

// A file whose owner took away its write permission was protected on
// purpose: the rename would replace it all the same, so the write is refused.
bool IsWriteProtected(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return (st.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// After the rename the new name lives in the folder's own data, which has to
// reach the disk too, or a power cut can bring the old file back.
void SyncFolderOf(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void LetWritesPastTheFileSizeLimitFail() { std::signal(SIGXFSZ, SIG_IGN); }

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
    if (IsWriteProtected(path)) {
        SetError(errorOut, path + " is write-protected");
        return false;
    }
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
        // The bytes reach the disk before the name does: a power cut after
        // the rename must not leave an empty or partial file behind it.
        ok = ok && ::fsync(::fileno(f)) == 0;
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
    SyncFolderOf(target);
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

// Opens without waiting: a FIFO or device put in place of one of our files
// would otherwise block the open (and the game) until someone writes to it.
// Only a regular file is read.
int OpenRegularForReading(const std::string& path, std::string* why) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SetError(why, errno == ENOENT ? "does not exist" : std::string("cannot be opened: ") + std::strerror(errno));
        return -1;
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        SetError(why, "is not a regular file");
        return -1;
    }
    // Reads of a regular file never block; the flag goes all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

template <typename Buffer>
bool ReadInto(const std::string& path, Buffer& out, std::size_t maxBytes, std::string* why) {
    out.clear();
    int fd = OpenRegularForReading(path, why);
    if (fd < 0) return false;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        SetError(why, "is larger than " + std::to_string(maxBytes / 1024) + " KB");
        return false;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < out.size()) {
        ssize_t n = ::read(fd, reinterpret_cast<char*>(out.data()) + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (done != out.size()) {
        // The file shrank under us or could not be read: not a whole file.
        out.clear();
        SetError(why, "cannot be read completely");
        return false;
    }
    return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t maxBytes,
                   std::string* why) {
    return ReadInto(path, out, maxBytes, why);
}

bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes, std::string* why) {
    return ReadInto(path, out, maxBytes, why);
}

std::FILE* OpenForAppend(const std::string& path) {
    // O_NONBLOCK: a FIFO without a reader fails at once instead of blocking.
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "a");
    if (!f) ::close(fd);
    return f;
}
