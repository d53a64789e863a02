// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/file_snapshot.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "thermodb/huge_pages.h"

namespace tabulon {
namespace {

// A file rewritten again and again while it is read is given up after this many tries.
constexpr int kReadAttempts = 3;

FileStamp StampOf(const struct stat& status) {
  return FileStamp{
      .device = static_cast<std::uint64_t>(status.st_dev),
      .inode = static_cast<std::uint64_t>(status.st_ino),
      .size = static_cast<std::int64_t>(status.st_size),
      .modified_ns = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                     static_cast<std::int64_t>(status.st_mtim.tv_nsec),
      .changed_ns = static_cast<std::int64_t>(status.st_ctim.tv_sec) * 1'000'000'000 +
                    static_cast<std::int64_t>(status.st_ctim.tv_nsec),
  };
}

std::string ErrnoText(int error_number) {
  return std::generic_category().message(error_number);
}

// Reads the whole file open as `fd` from its start into `bytes`; false with `error` set when a
// read fails. The kernel copies straight into `bytes`, sized for the file as fstat saw it (and
// one byte more, so the end shows at once); a file that grew meanwhile grows the room.
bool ReadAll(int fd, std::int64_t size_hint, std::string& bytes, std::string& error) {
  bytes.reserve(static_cast<std::size_t>(std::max<std::int64_t>(size_hint, 0)) + 1);
  AdviseHugePages(bytes.data(), bytes.capacity());
  bytes.resize(bytes.capacity());
  std::size_t got_so_far = 0;
  while (true) {
    if (got_so_far == bytes.size()) {
      bytes.resize(std::min<std::size_t>(2 * bytes.size(), LineReader::kMostFileBytes + 1));
    }
    const ssize_t got = ::pread(fd, bytes.data() + got_so_far, bytes.size() - got_so_far,
                                static_cast<off_t>(got_so_far));
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      error = ErrnoText(errno);
      return false;
    }
    got_so_far += static_cast<std::size_t>(got);
    if (static_cast<std::int64_t>(got_so_far) > LineReader::kMostFileBytes) {
      error = "larger than 1 GiB, too large for a thermo database";
      return false;
    }
  }
  bytes.resize(got_so_far);
  return true;
}

}  // namespace

FileSnapshot FileSnapshot::Take(const std::string& path) {
  FileSnapshot snapshot;
  snapshot.path_ = path;
  snapshot.from_disk_ = true;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    snapshot.error_text_ = ErrnoText(errno);
    return snapshot;
  }
  struct stat before {};
  if (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) {
    snapshot.error_text_ =
        S_ISDIR(before.st_mode) ? "a directory, not a file" : "not a regular file";
    ::close(fd);
    return snapshot;
  }
  if (before.st_size > LineReader::kMostFileBytes) {
    snapshot.error_text_ = "larger than 1 GiB, too large for a thermo database";
    ::close(fd);
    return snapshot;
  }
  snapshot.opened_ = true;
  std::string bytes;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (!ReadAll(fd, before.st_size, bytes, snapshot.error_text_)) break;
    struct stat after {};
    if (::fstat(fd, &after) != 0) {
      snapshot.error_text_ = ErrnoText(errno);
      break;
    }
    if (StampOf(after) == StampOf(before) &&
        static_cast<std::int64_t>(bytes.size()) == after.st_size) {
      snapshot.stamp_ = StampOf(after);
      snapshot.readable_ = true;
      snapshot.error_text_.clear();
      break;
    }
    before = after;
    snapshot.error_text_ = "the file kept changing while it was read";
  }
  ::close(fd);
  if (snapshot.readable_) snapshot.bytes_ = std::make_shared<const std::string>(std::move(bytes));
  return snapshot;
}

FileSnapshot FileSnapshot::OfBytes(std::string path, std::string bytes) {
  FileSnapshot snapshot;
  snapshot.path_ = std::move(path);
  snapshot.bytes_ = std::make_shared<const std::string>(std::move(bytes));
  snapshot.readable_ = snapshot.opened_ = true;
  return snapshot;
}

bool FileSnapshot::StillCurrent() const {
  if (!from_disk_ || !readable_) return false;
  struct stat status {};
  if (::stat(path_.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  return StampOf(status) == stamp_;
}

}  // namespace tabulon
