// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon::fuzz {

// A file in memory (memfd) that the file checks rewrite for every input, reached through a
// path as the tool's readers expect. Each Write gives the file a later modification time, so
// the record finder sees every rewrite as a new version, as it would a real edit.
class ScratchFile {
 public:
  ScratchFile();
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  void Write(std::string_view bytes);
  const std::string& Path() const { return path_; }

 private:
  int fd_ = -1;
  long long version_ = 0;
  std::string path_;
};

}  // namespace tabulon::fuzz
