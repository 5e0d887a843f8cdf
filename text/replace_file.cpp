// Whole-file replacement on POSIX systems: mkstemp beside the target, write,
// fsync, rename; guarded by flock(2) on the file being replaced.
#include "text/replace_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

namespace quelrin {
namespace {

constexpr int MAX_LINK_HOPS = 40;  // as the kernel's own limit on a path
// Each new attempt means another program replaced the file while this one
// waited for its lock; so many in a row mean something is wrong.
constexpr int MAX_LOCK_ATTEMPTS = 1000;

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names: a symbolic link is followed to its target,
// which need not exist yet. Nothing when the links go round in circles.
std::optional<std::string> final_target(std::string path) {
  for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    std::string link(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
    if (length < 0 || static_cast<std::size_t>(length) >= link.size()) return std::nullopt;
    link.resize(static_cast<std::size_t>(length));
    path = link.front() == '/' ? link : folder_of(path) + "/" + link;
  }
  return std::nullopt;
}

// The permission bits a new file gets from open(2) with 0666.
mode_t default_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool write_all(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Everything a descriptor's file holds, from where it stands.
bool read_all(int fd, std::string& text) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got == 0;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

// Waits for the lock that every guarded replacement of the file takes.
bool lock_exclusively(int fd) {
  for (;;) {
    if (::flock(fd, LOCK_EX) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// Closes a descriptor, and so releases its lock, whichever way the scope ends.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool replace_file(const std::string& path, std::string_view contents) {
  const std::optional<std::string> target = final_target(path);
  if (!target) return false;

  mode_t mode = default_mode();
  struct stat old_status;
  const bool exists = ::stat(target->c_str(), &old_status) == 0;
  if (exists) {
    // Withdrawn write permission is the user's wish, even for the superuser,
    // whom access(2) would let through.
    if (!S_ISREG(old_status.st_mode) || (old_status.st_mode & 0222) == 0 ||
        ::access(target->c_str(), W_OK) != 0) {
      return false;
    }
    mode = old_status.st_mode & 07777;
  }

  std::string temporary = folder_of(*target) + "/.quelrin-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool done = ::fchmod(fd, mode) == 0;
  if (done && exists) {
    // The owner stays too where this user has the right to keep it.
    [[maybe_unused]] const int owner_kept = ::fchown(fd, old_status.st_uid, old_status.st_gid);
  }
  done = done && write_all(fd, contents) && ::fsync(fd) == 0;
  done = ::close(fd) == 0 && done;
  done = done && ::rename(temporary.c_str(), target->c_str()) == 0;
  if (!done) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  if (const int folder = ::open(folder_of(*target).c_str(), O_RDONLY | O_DIRECTORY); folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

GuardedReplace replace_file_if_unchanged(const std::string& path,
                                         const std::optional<std::string>& expected,
                                         std::string_view contents,
                                         std::optional<std::string>& found) {
  for (int attempt = 0; attempt < MAX_LOCK_ATTEMPTS; ++attempt) {
    const std::optional<std::string> target = final_target(path);
    if (!target) return GuardedReplace::failed;
    const OpenFile file(::open(target->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0) {
      if (errno != ENOENT) return GuardedReplace::failed;
      if (expected) {
        found.reset();
        return GuardedReplace::changed;
      }
      return replace_file(*target, contents) ? GuardedReplace::replaced : GuardedReplace::failed;
    }
    struct stat locked;
    if (!lock_exclusively(file.fd()) || ::fstat(file.fd(), &locked) != 0)
      return GuardedReplace::failed;
    // A save that held the lock meanwhile renamed a new file over the one
    // locked here: the path names that one now, and it is the one to lock.
    struct stat named;
    if (::stat(target->c_str(), &named) != 0 || named.st_dev != locked.st_dev ||
        named.st_ino != locked.st_ino) {
      continue;
    }
    std::string current;
    if (!read_all(file.fd(), current)) return GuardedReplace::failed;
    if (current != expected) {
      found = std::move(current);
      return GuardedReplace::changed;
    }
    return replace_file(*target, contents) ? GuardedReplace::replaced : GuardedReplace::failed;
  }
  return GuardedReplace::failed;
}

}  // namespace quelrin
