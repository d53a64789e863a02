// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

#include "common/failure.h"
#include "compare/report_sink.h"

namespace tabulon {

// A report that could not be created or written completely: its path and the reason, which
// the window shows as "<path>: <reason>" (the system's reason, "No space left on device", or
// what else stopped it).
class ReportFailure : public Failure {
 public:
  ReportFailure(std::string path, std::string reason)
      : Failure(FailureKind::FileFailure, path + ": " + reason),
        path_(std::move(path)),
        reason_(std::move(reason)) {}
  const std::string& Path() const { return path_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

// The system calls that open a report (::open) and write its bytes (::write). Tests put others
// in their place to see a full disk, or a folder that refuses the file also to the superuser
// (whom permission bits do not stop); nullptr puts the system's call back.
using ReportOpenCall = int (*)(const char* path, int flags, mode_t mode);
using ReportWriteCall = ssize_t (*)(int fd, const void* bytes, std::size_t size);
void SetReportOpenCall(ReportOpenCall call);
void SetReportWriteCall(ReportWriteCall call);

// A report being written (Comp.txt, Comp2.txt): single-byte text, every line ending in CR LF.
// The file is created (or opened) at its first line, so a run that ends before it has a line to
// write leaves an existing report as it was. Any failure to create, write or close the file
// throws ReportFailure. The lines written before a failure stay in the file: the destructor
// writes out and closes whatever was written.
//
// A report is only ever a regular file of its own. The file is refused, before a byte of it
// changes, when it exists as anything else (a directory, a FIFO, a device, a symbolic link) or
// when it is one of `databases` under another name (a hard link, or the database itself named
// Comp.txt): a database is never written.
class ReportFile : public ReportSink {
 public:
  enum class Mode { Replace, Append };

  ReportFile(const std::string& path, Mode mode, std::initializer_list<std::string_view> databases);
  ~ReportFile() override;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  const std::string& Path() const { return path_; }

  // Writes `text` followed by CR LF.
  void WriteLine(std::string_view text) override;
  // Writes everything out and closes the file (creating it when no line was written); throws
  // when the file could not be written.
  void Close();

 private:
  void Open();
  // Writes the buffered lines to the file; false when the file refused them.
  bool Flush();
  // Closes the file and throws ReportFailure with the path and the reason.
  [[noreturn]] void Fail(const std::string& reason);

  std::string path_;
  Mode mode_;
  std::vector<std::string> databases_;
  bool opened_ = false;
  int fd_ = -1;
  std::string pending_;  // lines not yet written to the file
};

}  // namespace tabulon
