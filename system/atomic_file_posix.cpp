#include "system/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace cuedeck {

namespace {

mode_t new_file_mode(const std::string& path)
{
    struct stat existing
    {
    };
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

/// The file a path finally names: links followed, each relative to the
/// folder of the link. The path itself when it is no link (or missing).
std::string resolve_links(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info
        {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::vector<char> target(static_cast<std::size_t>(info.st_size) + 256);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            return path;
        const std::string link(target.data(), static_cast<std::size_t>(length));
        const auto slash = path.rfind('/');
        if (link.front() == '/' || slash == std::string::npos)
            path = link;
        else
            path.replace(slash + 1, std::string::npos, link); // beside the link
    }
    return path; // a loop of links: the rename then replaces the last one
}

/// What went wrong, as a user reads it.
std::string failure_text(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "permission denied";
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EROFS:
        return "the disk is read-only";
    case ENOENT:
    case ENOTDIR:
        return "its folder does not exist";
    case EISDIR:
        return "a folder has that name";
    default:
        return std::strerror(error);
    }
}

} // namespace

int DiskCalls::make_temporary(char* pattern)
{
    return ::mkostemp(pattern, O_CLOEXEC);
}

ssize_t DiskCalls::write(int fd, const void* bytes, std::size_t count)
{
    return ::write(fd, bytes, count);
}

int DiskCalls::flush(int fd)
{
    return ::fsync(fd);
}

int DiskCalls::close(int fd)
{
    return ::close(fd);
}

int DiskCalls::rename(const char* from, const char* to)
{
    return ::rename(from, to);
}

int DiskCalls::flush_folder(const char* folder)
{
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return result;
}

DiskCalls& DiskCalls::real()
{
    static DiskCalls calls;
    return calls;
}

void AtomicFile::fail(int error)
{
    m_failed = true;
    if (m_failure.empty())
        m_failure = failure_text(error);
}

AtomicFile::AtomicFile(std::string path, DiskCalls& disk)
    : m_disk(disk), m_path(resolve_links(std::move(path)))
{
    // A file its owner made read-only is not replaced behind their back
    // (a rename in a writable folder would do it). Root passes access(), so
    // the mode bits are asked too.
    struct stat existing
    {
    };
    if (::stat(m_path.c_str(), &existing) == 0 &&
        (S_ISDIR(existing.st_mode) || ::access(m_path.c_str(), W_OK) != 0 ||
         (existing.st_mode & 0222) == 0)) {
        m_failed = true;
        m_failure = S_ISDIR(existing.st_mode) ? "a folder has that name" : "the file is read-only";
        return;
    }
    const auto slash = m_path.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : m_path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? m_path : m_path.substr(slash + 1);
    std::string pattern = directory + "." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    m_fd = m_disk.make_temporary(buffer.data());
    if (m_fd < 0) {
        fail(errno);
        return;
    }
    m_temporary = buffer.data();
    ::fchmod(m_fd, new_file_mode(m_path));
}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        m_disk.close(m_fd);
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

bool AtomicFile::write(std::string_view contents)
{
    while (!m_failed && !contents.empty()) {
        const ssize_t written = m_disk.write(m_fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(written < 0 ? errno : ENOSPC);
        else
            contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return !m_failed;
}

bool AtomicFile::commit()
{
    if (m_failed)
        return false;
    int error = m_disk.flush(m_fd) == 0 ? 0 : errno;
    if (m_disk.close(m_fd) != 0 && error == 0)
        error = errno;
    m_fd = -1;
    if (error != 0) {
        fail(error);
        return false;
    }
    if (m_disk.rename(m_temporary.c_str(), m_path.c_str()) != 0) {
        fail(errno);
        return false;
    }
    m_temporary.clear();
    // Without this, a power cut soon after may bring back the old file. A
    // file system that cannot flush a folder (some network ones) says EINVAL:
    // the rename is as safe there as it gets.
    const auto slash = m_path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : m_path.substr(0, slash + 1);
    if (m_disk.flush_folder(folder.c_str()) != 0 && errno == EIO) {
        fail(errno);
        return false;
    }
    return true;
}

bool AtomicFile::replace(const std::string& path, std::string_view contents)
{
    AtomicFile file(path);
    return file.write(contents) && file.commit();
}

} // namespace cuedeck
