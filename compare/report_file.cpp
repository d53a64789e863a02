#include "compare/report_file.h"

#include "common/failure.h"

namespace tabulon {

ReportFile::ReportFile(const std::string& path, Mode mode) : path_(path) {
  const std::ios::openmode how =
      std::ios::binary | (mode == Mode::Replace ? std::ios::trunc : std::ios::app);
  out_.open(path, std::ios::out | how);
  Check("cannot open");
}

void ReportFile::WriteLine(std::string_view text) {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  out_.write("\r\n", 2);
  Check("cannot write");
}

void ReportFile::Close() {
  out_.close();
  Check("cannot write");
}

void ReportFile::Check(const char* what) {
  if (!out_) {
    throw Failure(FailureKind::FileFailure, std::string(what) + " " + path_);
  }
}

}  // namespace tabulon
