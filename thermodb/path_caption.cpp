// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/path_caption.h"

#include <algorithm>

namespace tabulon {

namespace {
constexpr std::size_t kLongPath = 50;
}  // namespace

std::string DirectoryOf(std::string_view path) {
  std::size_t separator = path.rfind('\\');
  if (separator == std::string_view::npos) separator = path.rfind('/');
  if (separator == std::string_view::npos) return {};
  return std::string(path.substr(0, separator + 1));
}

std::string PathCaption(std::string_view prefix, std::string_view path, std::string_view dir) {
  std::string caption(prefix);
  if (path.size() < kLongPath) return caption.append(path);
  const std::string_view file_name = path.substr(std::min(dir.size(), path.size()));
  caption.append(dir.substr(0, 3));
  caption.append(dir.ends_with('/') ? "[...]/" : "[...]\\");
  return caption.append(file_name);
}

}  // namespace tabulon
