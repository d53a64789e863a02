#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace tabulon {

// A report being written (Comp.txt, Comp2.txt): single-byte text, every line ending in CR LF.
// Any failure to create, write or close the file throws Failure(FileFailure). The lines written
// before a failure stay in the file: the destructor closes whatever was written.
class ReportFile {
 public:
  enum class Mode { Replace, Append };

  ReportFile(const std::string& path, Mode mode);
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Writes `text` followed by CR LF.
  void WriteLine(std::string_view text);
  // Writes everything out and closes the file; throws when the file could not be written.
  void Close();

 private:
  void Check(const char* what);

  std::string path_;
  std::ofstream out_;
};

}  // namespace tabulon
