// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/checks/scratch_file.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace tabulon::fuzz {

ScratchFile::ScratchFile() {
  fd_ = ::memfd_create("tabulon-fuzz", MFD_CLOEXEC);
  if (fd_ < 0) std::abort();
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

ScratchFile::~ScratchFile() {
  ::close(fd_);
}

void ScratchFile::Write(std::string_view bytes) {
  if (::ftruncate(fd_, 0) != 0) std::abort();
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (wrote <= 0) std::abort();
    done += static_cast<std::size_t>(wrote);
  }
  ++version_;
  const timespec times[2] = {{.tv_sec = version_, .tv_nsec = 0},
                             {.tv_sec = version_, .tv_nsec = 0}};
  if (::futimens(fd_, times) != 0) std::abort();
}

}  // namespace tabulon::fuzz
