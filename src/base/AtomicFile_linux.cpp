#include "base/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a link points to, so that replacing it keeps the link.
std::string resolveTarget(const std::string& path)
{
    struct stat st {
    };
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

int createTemporary(const std::string& target, std::string& tempPath)
{
    std::random_device seed;
    std::mt19937 generator(seed());
    const std::string folder = folderOf(target);
    const std::string base = target.substr(target.find_last_of('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + "/." + base + ".tmp" + std::to_string(generator() % 1000000);
        // 0666 lets the umask decide, as for any new file.
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

std::error_code writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

} // namespace

std::error_code ReplaceFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    const std::string target = resolveTarget(path);
    struct stat old {
    };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return std::make_error_code(S_ISDIR(old.st_mode) ? std::errc::is_a_directory
                                                         : std::errc::invalid_argument);

    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0)
        return lastError();

    std::error_code error = writeAll(fd, bytes);
    // The replacement keeps the old file's permissions.
    if (!error && exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = lastError();
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    if (::close(fd) != 0 && !error)
        error = lastError();
    if (!error && ::rename(tempPath.c_str(), target.c_str()) != 0)
        error = lastError();
    if (error) {
        ::unlink(tempPath.c_str());
        return error;
    }
    // Makes the rename itself durable; a folder that cannot be synced does not undo the write.
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}
