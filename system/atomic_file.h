#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace cuedeck {

/// The calls a replacement makes of the disk. The real ones by default; a
/// test puts its own in to see their order.
class DiskCalls
{
public:
    virtual ~DiskCalls() = default;
    /// mkostemp(): the temporary file, made from the pattern in place.
    virtual int make_temporary(char* pattern);
    virtual ssize_t write(int fd, const void* bytes, std::size_t count);
    /// fsync(): the file's bytes on the disk.
    virtual int flush(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    /// The folder's entry for a renamed file on the disk (its fsync).
    virtual int flush_folder(const char* folder);

    /// The system's own calls.
    static DiskCalls& real();
};

/// A file replaced all at once: the new contents go to a temporary file
/// beside it, which is renamed over the old one only by commit(). Until then,
/// and whenever anything fails (or the process dies), the old file stays
/// byte for byte as it was. A link is followed: the file it names is
/// replaced, in that file's folder, and the link stays. A committed file is
/// on the disk, power cut or not: its bytes are flushed before the rename,
/// and the folder after it.
class AtomicFile
{
public:
    explicit AtomicFile(std::string path, DiskCalls& disk = DiskCalls::real());
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool write(std::string_view contents);
    /// Flush to disk and put the new file in place; false when it could not.
    bool commit();

    /// Why the file was not replaced, in a few words; empty while all is well.
    const std::string& failure() const { return m_failure; }

    /// Open, write and commit in one go.
    static bool replace(const std::string& path, std::string_view contents);

private:
    DiskCalls& m_disk;
    std::string m_path;
    std::string m_temporary;
    int m_fd = -1;
    bool m_failed = false;
    std::string m_failure;
    void fail(int error);
};

} // namespace cuedeck
