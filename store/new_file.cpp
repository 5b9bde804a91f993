#include "store/new_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

namespace bj {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kFileMode = 0644; // as SQLite makes its files; the umask applies

[[noreturn]] void ThrowErrno(int error) {
    throw std::system_error(error, std::generic_category());
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) { }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

// On the disk before any name leads to it, so no one ever sees a part of the file.
void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            ThrowErrno(errno);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (fsync(fd) != 0)
        ThrowErrno(errno);
}

// A file without a name vanishes with the process that made it, so even a killed start leaves
// nothing. Nothing when the system cannot make or link such a file here.
std::optional<Placement> PlaceUnnamed(const std::string& path, std::string_view bytes) {
    const Descriptor file(open(FolderOf(path).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, kFileMode));
    if (!file.Valid() && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        return std::nullopt;
    if (!file.Valid())
        ThrowErrno(errno);
    WriteAll(file.Get(), bytes);
    const std::string self = "/proc/self/fd/" + std::to_string(file.Get());
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return Placement::Placed;
    if (errno == EEXIST)
        return Placement::AlreadyThere;
    return std::nullopt; // no /proc, or links refused: the named way reports a real failure
}

// Linked, or on file systems without links renamed, but never over another file.
bool MoveIntoPlace(const std::string& temporary, const std::string& path) {
    if (link(temporary.c_str(), path.c_str()) == 0)
        return true;
    if (errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS)
        if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
            return true;
    if (errno == EEXIST)
        return false;
    ThrowErrno(errno);
}

void FlushFolder(const std::string& path) {
    const Descriptor folder(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid())
        fsync(folder.Get());
}

} // namespace

Placement PlaceNewFileByName(const std::string& path, std::string_view bytes) {
    const fs::path target(path);
    std::random_device random;
    for (int attempt = 0;; ++attempt) {
        const std::string temporary = (fs::path(FolderOf(path))
            / ("." + target.filename().string() + "." + std::to_string(random()) + ".new"))
                                          .string();
        const Descriptor file(
            open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, kFileMode));
        if (!file.Valid() && errno == EEXIST && attempt < 8)
            continue;
        if (!file.Valid())
            ThrowErrno(errno);
        struct Removal {
            ~Removal() { unlink(name.c_str()); }
            const std::string& name;
        } removal {temporary};
        WriteAll(file.Get(), bytes);
        if (!MoveIntoPlace(temporary, path))
            return Placement::AlreadyThere;
        FlushFolder(path);
        return Placement::Placed;
    }
}

Placement PlaceNewFile(const std::string& path, std::string_view bytes) {
    const std::optional<Placement> placement = PlaceUnnamed(path, bytes);
    if (!placement)
        return PlaceNewFileByName(path, bytes);
    if (placement == Placement::Placed)
        FlushFolder(path);
    return *placement;
}

} // namespace bj
