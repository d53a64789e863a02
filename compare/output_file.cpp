// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace tabulon {
namespace {

std::string ErrorText(int error_number) {
  return std::generic_category().message(error_number);
}

// Why `path` must not be replaced, or nothing.
std::string Refusal(const std::string& path, std::span<const std::string> databases) {
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) return {};  // nothing there yet (or a broken link)
  for (const std::string& database : databases) {
    struct stat status {};
    if (!database.empty() && ::stat(database.c_str(), &status) == 0 &&
        status.st_dev == target.st_dev && status.st_ino == target.st_ino) {
      return "it is the database " + database;
    }
  }
  if (!S_ISREG(target.st_mode)) return "it is not a regular file";
  return {};
}

// The name of a new file in the folder of `path`, not used by anything yet when it is made.
std::string TemporaryBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + "." + name + ".part-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter++);
}

// Writes all of `bytes`; false with errno set when the file refused them.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(std::size_t(written));
  }
  return true;
}

}  // namespace

OutputOutcome WriteWholeFile(const std::string& path, std::string_view bytes,
                             std::span<const std::string> databases) {
  if (std::string refusal = Refusal(path, databases); !refusal.empty()) {
    return {false, std::move(refusal)};
  }
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryBeside(path);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return {false, ErrorText(errno)};
  const bool written = WriteAll(fd, bytes);
  int error = errno;
  const bool closed = ::close(fd) == 0;
  if (written && !closed) error = errno;
  if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0) return {true, {}};
  if (written && closed) error = errno;
  ::unlink(temporary.c_str());
  return {false, ErrorText(error)};
}

}  // namespace tabulon
