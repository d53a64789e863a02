// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/database_save.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace tabulon {
namespace {

namespace fs = std::filesystem;

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
  const fs::path real_a = fs::weakly_canonical(a, error);
  if (error) return false;
  const fs::path real_b = fs::weakly_canonical(b, error);
  return !error && real_a == real_b;
}

std::string Reason(int error_number) {
  return std::strerror(error_number);
}

bool SameNumber(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameSet(const CoefficientSet& a, const CoefficientSet& b) {
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (!SameNumber(a[k], b[k])) return false;
  }
  return true;
}

bool SameTexts(const ThermoRecord& a, const ThermoRecord& b) {
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    if (a.CoefficientText(k) != b.CoefficientText(k)) return false;
  }
  return true;
}

// What a written record's reading differs in from what was meant, or empty.
std::string Difference(const ThermoRecord& read, const WrittenRecord& meant) {
  const ThermoRecord& from = *meant.as_read;
  if (read.name != from.name) return "reads the name " + read.name + ", not " + from.name;
  if (read.LimitTexts() != from.LimitTexts()) {
    return "reads other temperature limits";
  }
  if (meant.rewritten) {
    if (!read.coefficients_read || !SameSet(read.high, meant.rewritten->first) ||
        !SameSet(read.low, meant.rewritten->second)) {
      return "reads other coefficients than were written";
    }
  } else if (meant.whole && (!SameTexts(read, from) || !SameSet(read.high, from.high) ||
                             !SameSet(read.low, from.low))) {
    return "reads other coefficients than its source";
  }
  return {};
}

// A new file beside `target`, named after it, that no one else has: ".NAME.tabulon-PID-N".
struct TempFile {
  std::string path;
  int fd = -1;
};
TempFile CreateTempBeside(const fs::path& target, int& error_number) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  static int counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path path = folder / ("." + target.filename().string() + ".tabulon-" +
                                    std::to_string(::getpid()) + "-" + std::to_string(counter++));
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return {path.string(), fd};
    if (errno != EEXIST) break;
  }
  error_number = errno;
  return {};
}

bool WriteAll(int fd, std::string_view bytes, int& error_number) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      error_number = errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::fsync(fd) != 0) {
    error_number = errno;
    return false;
  }
  return true;
}

// Moves the temporary file to the target: with `replace`, over whatever is there; otherwise
// only when the target does not exist at that moment (a hard link cannot replace a file).
bool MoveInto(const std::string& temp, const std::string& target, bool replace, int& error_number) {
  if (!replace) {
    if (::link(temp.c_str(), target.c_str()) == 0) {
      ::unlink(temp.c_str());
      return true;
    }
    // File systems without hard links: the target was checked to be absent just before.
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) {
      error_number = errno;
      return false;
    }
  }
  if (::rename(temp.c_str(), target.c_str()) == 0) return true;
  error_number = errno;
  return false;
}

}  // namespace

TargetCheck CheckTarget(const std::string& target, const SaveRules& rules) {
  if (target.empty()) return {TargetRefusal::NotAFile, "no file name was given"};
  for (const std::string& kept : rules.protected_paths) {
    if (!kept.empty() && SameFile(target, kept)) {
      return {TargetRefusal::Protected,
              target + " is a database in use (" + kept + "); choose a new file"};
    }
  }
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (!fs::exists(status)) return {};
  if (!fs::is_regular_file(status)) return {TargetRefusal::NotAFile, target + " is not a file"};
  if (!rules.replace_existing) return {TargetRefusal::Exists, target + " exists"};
  return {};
}

std::string WrittenRecordsProblem(const ThermoFile& written,
                                  const std::vector<WrittenRecord>& expected) {
  if (!written.Outcome().Succeeded()) return "it does not load: " + written.Outcome().problem;
  const std::span<const ThermoRecord> records = written.Records();
  if (records.size() != expected.size()) {
    return "it holds " + std::to_string(records.size()) + " records, not " +
           std::to_string(expected.size());
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string difference = Difference(records[i], expected[i]);
    if (!difference.empty()) {
      return "record " + std::to_string(i + 1) + " (" + records[i].name + ", line " +
             std::to_string(records[i].line_number) + ") " + difference;
    }
  }
  return {};
}

SaveOutcome SaveDatabase(const DatabaseOutput& output, const std::string& target,
                         const SaveRules& rules) {
  const TargetCheck check = CheckTarget(target, rules);
  if (check.refusal != TargetRefusal::None) return {false, check.refusal, check.problem};

  int error_number = 0;
  const TempFile temp = CreateTempBeside(target, error_number);
  if (temp.fd < 0) {
    return {false, TargetRefusal::None,
            "cannot create a file beside " + target + ": " + Reason(error_number)};
  }
  const bool written = WriteAll(temp.fd, output.bytes, error_number);
  if (::close(temp.fd) != 0 && written) error_number = errno;
  const auto fail = [&temp](std::string problem) {
    ::unlink(temp.path.c_str());
    return SaveOutcome{false, TargetRefusal::None, std::move(problem)};
  };
  if (!written || error_number != 0) {
    return fail("cannot write " + target + ": " + Reason(error_number));
  }
  const std::string problem = WrittenRecordsProblem(ThermoFile::Read(temp.path), output.records);
  if (!problem.empty()) return fail("the written file does not read back as meant: " + problem);
  if (!MoveInto(temp.path, target, rules.replace_existing, error_number)) {
    if (error_number == EEXIST) {
      ::unlink(temp.path.c_str());
      return {false, TargetRefusal::Exists, target + " exists"};
    }
    return fail("cannot write " + target + ": " + Reason(error_number));
  }
  return {true, TargetRefusal::None, {}};
}

}  // namespace tabulon
