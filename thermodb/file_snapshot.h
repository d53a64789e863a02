// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "thermodb/line_reader.h"

namespace tabulon {

// The bytes of one database file, read once for one command (a comparison, a check, a table)
// and released with the snapshot. The file is opened by the rules of LineReader (a regular file
// of at most LineReader::kMostFileBytes, only for reading, never waiting on a FIFO) and read
// whole; its stamp (device, inode, size, modification and status-change times) is taken before
// and after the read, and a file that changed while it was read is read again, so the bytes are
// one version of the file.
class FileSnapshot {
 public:
  FileSnapshot() = default;

  // Reads `path`. Never throws for a file that cannot be read: Readable() is then false and
  // ErrorText() says why.
  static FileSnapshot Take(const std::string& path);
  // A snapshot of bytes held in memory, for callers that have the text already (tests, tools).
  static FileSnapshot OfBytes(std::string path, std::string bytes);

  const std::string& Path() const { return path_; }
  bool Readable() const { return readable_; }
  // Why the file could not be read, in words ("No such file or directory").
  const std::string& ErrorText() const { return error_text_; }
  // False when the file could be opened but a read failed part-way (as opposed to not opened).
  bool Opened() const { return opened_; }
  // The bytes stay at one address for the snapshot's life, also when it is moved or copied
  // (copies share them), so views into them stay valid.
  std::string_view Bytes() const { return bytes_ ? std::string_view(*bytes_) : std::string_view(); }
  // The same bytes, for values that keep views into them (records) and must not outlive them.
  const std::shared_ptr<const std::string>& SharedBytes() const { return bytes_; }
  const FileStamp& Stamp() const { return stamp_; }

  // Whether the file at Path() is still the version these bytes were read from. A snapshot of
  // bytes in memory is never current.
  bool StillCurrent() const;

 private:
  std::string path_;
  std::shared_ptr<const std::string> bytes_;
  FileStamp stamp_;
  bool readable_ = false;
  bool opened_ = false;
  bool from_disk_ = false;
  std::string error_text_;
};

}  // namespace tabulon
