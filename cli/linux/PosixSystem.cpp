#include "PosixSystem.h"

#include "framework/core/Archive.h"
#include "framework/core/Exception.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace cli {

namespace {

std::string ErrorText(int error) {
    return std::strerror(error);
}

// An open file descriptor, closed by its owner.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closes it now: 0, or the error of the close.
    int Close() {
        const int fd = std::exchange(m_fd, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

class DocumentFile : public ArchiveStream {
public:
    explicit DocumentFile(const std::string& path)
        : m_file(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (!m_file.IsOpen())
            ThrowLastError();
    }

    std::size_t Read(void* buffer, std::size_t count) override {
        auto* out = static_cast<char*>(buffer);
        std::size_t total = 0;
        while (total < count) {
            const ssize_t n = ::read(m_file.Get(), out + total, count - total);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ThrowLastError();
            if (n == 0)
                break;
            total += static_cast<std::size_t>(n);
        }
        return total;
    }

    void Write(const void*, std::size_t) override {
        errno = EBADF;
        ThrowLastError();
    }

    std::uint64_t GetRemaining() const override {
        struct stat info {};
        const off_t at = ::lseek(m_file.Get(), 0, SEEK_CUR);
        if (at < 0 || ::fstat(m_file.Get(), &info) != 0)
            ThrowLastError();
        return at < info.st_size ? static_cast<std::uint64_t>(info.st_size - at) : 0;
    }

private:
    [[noreturn]] static void ThrowLastError() {
        const int error = errno;
        throw CFileException(static_cast<unsigned long>(error), ErrorText(error));
    }

    Descriptor m_file;
};

// 0, or the error that stopped the writing.
int WriteAll(int fd, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The folder of path, as a prefix for a name beside it ("" or "dir/").
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The permissions a new file gets: everyone may read and write, less the process's mask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void PosixSystem::Out(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void PosixSystem::Err(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::string PosixSystem::ReasonOf(const CException& e) const {
    return e.Message();
}

std::unique_ptr<ArchiveStream> PosixSystem::OpenDocument(const std::string& path) {
    return std::make_unique<DocumentFile>(path);
}

WriteOutcome PosixSystem::WriteDocument(const std::string& path,
                                        const std::vector<unsigned char>& bytes, bool replace,
                                        std::string& reason) {
    // A new file is created only where none exists, and removed again when it could not be
    // written whole. A replacement is written beside the old file and renamed over it, so the old
    // file stays as it was until the new one is complete.
    std::string written = path;
    int fd = -1;
    if (replace) {
        written = FolderOf(path) + ".zembra-cli-XXXXXX";
        fd = ::mkstemp(&written[0]);
    } else {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            return WriteOutcome::Exists;
    }
    Descriptor file(fd);
    if (!file.IsOpen()) {
        reason = ErrorText(errno);
        return WriteOutcome::Failed;
    }
    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && replace && ::fchmod(file.Get(), NewFileMode()) != 0)
        error = errno;
    if (const int closeError = file.Close(); error == 0)
        error = closeError;
    if (error == 0 && replace && ::rename(written.c_str(), path.c_str()) != 0)
        error = errno;
    if (error == 0)
        return WriteOutcome::Written;
    ::unlink(written.c_str());
    reason = ErrorText(error);
    return WriteOutcome::Failed;
}

BoxOutcome PosixSystem::ShowBox(const MessageBoxDesign&, std::optional<unsigned>) {
    return BoxOutcome{0, "no message boxes here"};
}

} // namespace cli
