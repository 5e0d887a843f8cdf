// A preloaded library that makes one step of a file replacement fail, so
// that the real program can be watched handling it. Set by the environment:
//
//   QUELRIN_FAULT_CALL   mkstemp, fchmod, write, fsync, close or rename
//   QUELRIN_FAULT_AT     which call of it fails, counting from 1 (default 1)
//   QUELRIN_FAULT_ERRNO  the error it fails with: EIO (default), ENOSPC, EACCES
//   QUELRIN_WRITE_CHUNK  writes to a temporary file take at most this many
//                        bytes at a time, as a write may, so that a save
//                        makes several of them
//   QUELRIN_FAULT_LOG    a file to which one line is appended when the fault
//                        is injected
//
// fchmod, write, fsync and close count only on the descriptors of files made
// by mkstemp (the temporary files); mkstemp and rename count every call.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

template <typename Function>
Function real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

const char* setting(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::set<int>& temporaries() {
  static std::set<int> descriptors;
  return descriptors;
}

int fault_errno() {
  const char* name = setting("QUELRIN_FAULT_ERRNO");
  if (std::strcmp(name, "ENOSPC") == 0) return ENOSPC;
  if (std::strcmp(name, "EACCES") == 0) return EACCES;
  return EIO;
}

// True when this call of `call` is the one to fail; errno is then set.
bool inject(const char* call) {
  if (std::strcmp(setting("QUELRIN_FAULT_CALL"), call) != 0) return false;
  static int calls = 0;
  const int at = std::atoi(setting("QUELRIN_FAULT_AT"));
  if (++calls != (at > 0 ? at : 1)) return false;
  if (const char* log = std::getenv("QUELRIN_FAULT_LOG")) {
    if (std::FILE* file = std::fopen(log, "a")) {
      std::fprintf(file, "%s %d\n", call, calls);
      std::fclose(file);
    }
  }
  errno = fault_errno();
  return true;
}

bool is_temporary(int fd) { return temporaries().count(fd) != 0; }

int made_temporary(int fd) {
  if (fd >= 0) temporaries().insert(fd);
  return fd;
}

}  // namespace

extern "C" {

int mkstemp(char* name_template) {
  if (inject("mkstemp")) return -1;
  return made_temporary(real<int (*)(char*)>("mkstemp")(name_template));
}

int mkostemp(char* name_template, int flags) {
  if (inject("mkstemp")) return -1;
  return made_temporary(real<int (*)(char*, int)>("mkostemp")(name_template, flags));
}

int fchmod(int fd, mode_t mode) {
  if (is_temporary(fd) && inject("fchmod")) return -1;
  return real<int (*)(int, mode_t)>("fchmod")(fd, mode);
}

ssize_t write(int fd, const void* buffer, size_t count) {
  if (!is_temporary(fd))
    return real<ssize_t (*)(int, const void*, size_t)>("write")(fd, buffer, count);
  if (inject("write")) return -1;
  const long chunk = std::atol(setting("QUELRIN_WRITE_CHUNK"));
  if (chunk > 0 && count > static_cast<size_t>(chunk)) count = static_cast<size_t>(chunk);
  return real<ssize_t (*)(int, const void*, size_t)>("write")(fd, buffer, count);
}

int fsync(int fd) {
  if (is_temporary(fd) && inject("fsync")) return -1;
  return real<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd) {
  if (is_temporary(fd) && inject("fsync")) return -1;
  return real<int (*)(int)>("fdatasync")(fd);
}

// A failed close still releases the descriptor, as on Linux.
int close(int fd) {
  const bool temporary = is_temporary(fd);
  temporaries().erase(fd);
  const int result = real<int (*)(int)>("close")(fd);
  if (temporary && inject("close")) return -1;
  return result;
}

int rename(const char* from, const char* to) {
  if (inject("rename")) return -1;
  return real<int (*)(const char*, const char*)>("rename")(from, to);
}

}  // extern "C"
