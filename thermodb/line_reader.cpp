// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulon {

namespace {
constexpr std::size_t kFirstReadSize = 4 * 1024;
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

LineReader::~LineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool LineReader::Open(const std::string& path) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  failed_ = false;
  error_text_.clear();
  pos_ = end_ = 0;
  buffer_start_ = line_start_ = 0;

  // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; such a file is refused
  // right after, once fstat has told what it is. Reads of a regular file ignore the flag.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error_text_ = std::generic_category().message(errno);
    return false;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    error_text_ = S_ISDIR(status.st_mode) ? "a directory, not a file" : "not a regular file";
    ::close(fd);
    return false;
  }
  if (status.st_size > kMostFileBytes) {
    error_text_ = "larger than 1 GiB, too large for a thermo database";
    ::close(fd);
    return false;
  }
  fd_ = fd;
  stamp_ = FileStamp{
      .device = static_cast<std::uint64_t>(status.st_dev),
      .inode = static_cast<std::uint64_t>(status.st_ino),
      .size = static_cast<std::int64_t>(status.st_size),
      .modified_ns = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                     static_cast<std::int64_t>(status.st_mtim.tv_nsec),
      .changed_ns = static_cast<std::int64_t>(status.st_ctim.tv_sec) * 1'000'000'000 +
                    static_cast<std::int64_t>(status.st_ctim.tv_nsec),
  };
  read_size_ = kFirstReadSize;
  return true;
}

void LineReader::Fail(int error_number) {
  failed_ = true;
  error_text_ = std::generic_category().message(error_number);
}

bool LineReader::Refill() {
  if (fd_ < 0 || failed_) return false;
  buffer_start_ += end_;
  pos_ = end_ = 0;
  if (buffer_.size() < read_size_) buffer_.resize(read_size_);
  while (true) {
    const ssize_t got = ::pread(fd_, buffer_.data(), read_size_, static_cast<off_t>(buffer_start_));
    if (got > 0) {
      end_ = static_cast<std::size_t>(got);
      read_size_ = std::min(2 * read_size_, kBufferSize);
      return true;
    }
    if (got == 0) return false;
    if (errno != EINTR) {
      Fail(errno);
      return false;
    }
  }
}

bool LineReader::Next(std::string& line) {
  line.clear();
  line_start_ = buffer_start_ + pos_;
  while (true) {
    if (pos_ == end_ && !Refill()) {
      // End of file: a last line without a line end still counts; a read error ends all.
      return !failed_ && !line.empty();
    }
    const char* begin = buffer_.data() + pos_;
    const char* stop = buffer_.data() + end_;
    const char* hit = std::find_if(begin, stop, [](char c) { return c == '\r' || c == '\n'; });
    line.append(begin, hit);
    pos_ = static_cast<std::size_t>(hit - buffer_.data());
    if (hit == stop) continue;
    ++pos_;
    if (*hit == '\r') {
      // CR LF is one line end, also when the LF starts the next buffer.
      if (pos_ == end_) Refill();
      if (pos_ < end_ && buffer_[pos_] == '\n') ++pos_;
    }
    return true;
  }
}

bool LineReader::SeekTo(std::uint64_t offset) {
  if (fd_ < 0) return false;
  failed_ = false;
  buffer_start_ = offset;
  pos_ = end_ = 0;
  read_size_ = kFirstReadSize;
  return true;
}

}  // namespace tabulon
