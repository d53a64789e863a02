// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "common/failure.h"

namespace tabulon {

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

std::string ErrorText(int error_number) {
  return std::generic_category().message(error_number);
}

int OpenFile(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}

ReportOpenCall open_call = &OpenFile;
ReportWriteCall write_call = &::write;

bool IsSameFile(const struct stat& report, std::string_view database) {
  struct stat status {};
  return !database.empty() && ::stat(std::string(database).c_str(), &status) == 0 &&
         status.st_dev == report.st_dev && status.st_ino == report.st_ino;
}

}  // namespace

void SetReportOpenCall(ReportOpenCall call) {
  open_call = call != nullptr ? call : &OpenFile;
}

void SetReportWriteCall(ReportWriteCall call) {
  write_call = call != nullptr ? call : &::write;
}

ReportFile::ReportFile(const std::string& path, Mode mode,
                       std::initializer_list<std::string_view> databases)
    : path_(path), mode_(mode), databases_(databases.begin(), databases.end()) {}

void ReportFile::Open() {
  opened_ = true;
  // Opened without truncation, so that nothing changes before the file has been checked.
  // O_NOFOLLOW: a symbolic link named Comp.txt (say, one that came in an archive with the
  // database) could point anywhere, so the report is never written through one.
  // O_NONBLOCK keeps a FIFO without a reader from blocking the open; it is refused below.
  const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NONBLOCK |
                    (mode_ == Mode::Append ? O_APPEND : 0);
  fd_ = open_call(path_.c_str(), flags, 0666);
  if (fd_ < 0) {
    Fail(errno == ELOOP ? "it is a symbolic link" : ErrorText(errno));
  }
  struct stat status {};
  if (::fstat(fd_, &status) != 0) Fail(ErrorText(errno));
  if (!S_ISREG(status.st_mode)) Fail("it is not a regular file");
  for (const std::string& database : databases_) {
    if (IsSameFile(status, database)) Fail("it is the database " + database);
  }
  if (mode_ == Mode::Replace && ::ftruncate(fd_, 0) != 0) Fail(ErrorText(errno));
}

ReportFile::~ReportFile() {
  if (fd_ < 0) return;
  Flush();
  ::close(fd_);
}

void ReportFile::WriteLine(std::string_view text) {
  if (!opened_) Open();
  pending_.append(text);
  pending_.append("\r\n");
  if (pending_.size() >= kFlushSize && !Flush()) Fail(ErrorText(errno));
}

void ReportFile::Close() {
  if (!opened_) Open();
  if (fd_ < 0) return;
  const bool flushed = Flush();
  const int flush_error = errno;
  const int closed = ::close(fd_);
  fd_ = -1;
  if (!flushed) Fail(ErrorText(flush_error));
  if (closed != 0) Fail(ErrorText(errno));
}

bool ReportFile::Flush() {
  std::size_t done = 0;
  while (done < pending_.size()) {
    const ssize_t wrote = write_call(fd_, pending_.data() + done, pending_.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      if (wrote == 0) errno = EIO;
      pending_.erase(0, done);
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  pending_.clear();
  return true;
}

void ReportFile::Fail(const std::string& reason) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  throw ReportFailure(path_, reason);
}

}  // namespace tabulon
