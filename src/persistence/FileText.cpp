#include "persistence/FileText.h"

#include "model/Translate.h"
#include "persistence/Cp1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fup {

namespace {

std::string reasonText(int error)
{
    return std::strerror(error);
}

std::string failure(std::string_view what, const std::filesystem::path& file, int error)
{
    return tx(what) + file.string() + " (" + reasonText(error) + ")";
}

// Closes the descriptor when it goes out of scope, unless released.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the result; close can be the first to see a write error.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A fresh file next to the target, created exclusively so that no other file is ever
// overwritten; the mode is the usual 0666 less the umask.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    static unsigned counter = 0;
    const std::filesystem::path directory = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + target.filename().string() + ".tmp" + std::to_string(::getpid()) +
                                 "_" + std::to_string(++counter);
        temporary = directory.empty() ? std::filesystem::path(name) : directory / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncDirectory(const std::filesystem::path& target)
{
    const std::filesystem::path directory = target.parent_path().empty() ? "." : target.parent_path();
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The rename is done; a directory that cannot be synced leaves it in the cache only.
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

std::string decodeFileText(std::string_view bytes)
{
    std::string text = cp1252ToUtf8(bytes);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

std::string encodeFileText(std::string_view text)
{
    const std::string bytes = utf8ToCp1252(text);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            out.push_back('\r');
        out.push_back(bytes[i]);
    }
    return out;
}

FileResult readFileBytes(const std::filesystem::path& file, std::string& bytes)
{
    bytes.clear();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {false, failure("Datei kann nicht gelesen werden: ", file, errno)};
    Descriptor guard(fd);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        return {false, failure("Datei kann nicht gelesen werden: ", file, EISDIR)};
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            bytes.clear();
            return {false, failure("Datei kann nicht gelesen werden: ", file, error)};
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return {true, {}};
}

FileResult saveFileAtomic(const std::filesystem::path& requested, std::string_view bytes)
{
    std::filesystem::path target = requested;
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return {false, failure("Datei kann nicht gesichert werden: ", requested, EISDIR)};

    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return {false, failure("Datei kann nicht gesichert werden: ", requested, errno)};
    Descriptor guard(fd);

    auto abandon = [&](int error) {
        if (guard.get() >= 0)
            guard.close();
        ::unlink(temporary.c_str());
        return FileResult{false, failure("Datei kann nicht gesichert werden: ", requested, error)};
    };

    if (!writeAll(fd, bytes))
        return abandon(errno);
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (guard.close() != 0)
        return abandon(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return abandon(errno);
    syncDirectory(target);
    return {true, {}};
}

} // namespace fup
