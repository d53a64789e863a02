// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tabulon {

// A file written whole or not at all (a page, a drawing): the bytes go to a new file beside
// it, which then takes its name, so a reader never sees half a file and a failure leaves the
// old file as it was (a link of that name is replaced, never written through). Refused before
// anything is created when `path` is one of `databases` (the same file, by whatever name or
// link) or is something other than a regular file or a link to one: a database is never
// written.
struct OutputOutcome {
  bool written = false;
  std::string problem;  // why not, for people: "it is the database x.dat", "Permission denied"
};
OutputOutcome WriteWholeFile(const std::string& path, std::string_view bytes,
                             std::span<const std::string> databases);

}  // namespace tabulon
