#pragma once

#include <string>
#include <string_view>

namespace cuedeck {

/// A file replaced all at once: the new contents go to a temporary file
/// beside it, which is renamed over the old one only by commit(). Until then,
/// and whenever anything fails (or the process dies), the old file stays
/// byte for byte as it was. A link is followed: the file it names is
/// replaced, in that file's folder, and the link stays.
class AtomicFile
{
public:
    explicit AtomicFile(std::string path);
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
    std::string m_path;
    std::string m_temporary;
    int m_fd = -1;
    bool m_failed = false;
    std::string m_failure;
    void fail(int error);
};

} // namespace cuedeck
