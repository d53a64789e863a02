// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabulon {

// What identifies one version of a file on disk: a rewrite changes at least one of these.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified_ns = 0;  // modification time in nanoseconds since the epoch
  // Status-change time: unlike the modification time, no tool can set it back, so a rewrite
  // that restores the size and the modification time (touch -r) still shows.
  std::int64_t changed_ns = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// Reads a database file line by line. Only a regular file is opened, and only for reading: a
// directory, a FIFO or a device given as a database is refused at once, so nothing can block.
// So is a file larger than kMostFileBytes: the largest thermo databases in use hold a few
// megabytes, and reading a disk image chosen by mistake would take minutes and could exhaust
// the memory.
//
// A line ends at CR LF (one line end), at a lone CR or at a lone LF; the line's text excludes
// its line end. The last line may lack a line end, and a final line end does not make an extra
// empty line. Bytes are kept as they are.
class LineReader {
 public:
  static constexpr std::int64_t kMostFileBytes = std::int64_t{1} << 30;  // 1 GiB

  LineReader() = default;
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // False when the file cannot be opened or is not a regular file; ErrorText() says why.
  bool Open(const std::string& path);

  // Reads the next line into `line`. False at the end of the file, or when reading failed
  // (Failed() tells the two apart).
  bool Next(std::string& line);

  bool Failed() const { return failed_; }
  const std::string& ErrorText() const { return error_text_; }

  // The byte offset in the file where the line last returned by Next begins.
  std::uint64_t LineStart() const { return line_start_; }
  // Continues reading at `offset`, which must be the start of a line.
  bool SeekTo(std::uint64_t offset);

  // The file as it was when opened.
  const FileStamp& Stamp() const { return stamp_; }

 private:
  bool Refill();
  void Fail(int error_number);

  int fd_ = -1;
  FileStamp stamp_;
  std::vector<char> buffer_;
  std::size_t read_size_ = 0;       // bytes asked of the next read: small after an open or a
                                    // seek, since a lookup reads only four lines there
  std::size_t pos_ = 0;             // next unread byte in buffer_
  std::size_t end_ = 0;             // bytes of buffer_ in use
  std::uint64_t buffer_start_ = 0;  // file offset of buffer_[0]
  std::uint64_t line_start_ = 0;
  bool failed_ = false;
  std::string error_text_;
};

}  // namespace tabulon
