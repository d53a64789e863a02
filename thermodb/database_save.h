// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "thermodb/database_edit.h"

namespace tabulon {

// Writing a new database file safely: never over a database in use, never half-written, and
// only once it reads back as meant.

struct SaveRules {
  bool replace_existing = false;  // an existing target may be replaced (--force, or confirmed)
  // Files that are never written: the inputs of the command and the databases loaded in the
  // window. Compared by what they are on disk (device and inode, so a link or another spelling
  // of the path counts), and by their real paths.
  std::vector<std::string> protected_paths;
};

enum class TargetRefusal {
  None,
  Protected,  // the target is one of the protected files
  Exists,     // the target exists and replace_existing is not set
  NotAFile,   // the target exists and is not a regular file (a folder, a device)
};

struct TargetCheck {
  TargetRefusal refusal = TargetRefusal::None;
  std::string problem;  // for people: "therm.dat is an input of the command", ...
};

// Whether `target` may be written under `rules`.
TargetCheck CheckTarget(const std::string& target, const SaveRules& rules);

struct SaveOutcome {
  bool saved = false;
  TargetRefusal refusal = TargetRefusal::None;
  std::string problem;  // why the file was not written
};

// Writes `output` to `target`: CheckTarget first; then the bytes go to a new temporary file in
// the target's folder, which is read back with the tool's own reader. Every record must read as
// written (WrittenRecord: names, limits, coefficients) and the file must load; only then is the
// temporary file renamed to the target (replacing it only when allowed). Otherwise the temporary
// file is removed, the target is left as it was, and the outcome says why.
SaveOutcome SaveDatabase(const DatabaseOutput& output, const std::string& target,
                         const SaveRules& rules);

// The check of the read-back: empty when `written` loads and its records are `expected`,
// otherwise the first difference ("record 12 (CH4, line 40) reads other coefficients").
std::string WrittenRecordsProblem(const ThermoFile& written,
                                  const std::vector<WrittenRecord>& expected);

}  // namespace tabulon
