#pragma once

#include <string>

namespace tabulon::credits {

// Who made the tool, in one place: the window title and the About window read these.
// Neutral placeholders of the project's own; no real person's name or address.
inline constexpr const char* kAuthor1 = "Dr. A. Author";
inline constexpr const char* kAuthor2 = "Prof. B. Author";
inline constexpr const char* kInstitution = "Example Institute of Combustion";

// "Tabulon v 1.20 ; created by <author 1> & <author 2>, <institution>, May 2005."
inline std::string MainWindowTitle() {
  return std::string("Tabulon v 1.20 ; created by ") + kAuthor1 + " & " + kAuthor2 + ", " +
         kInstitution + ", May 2005.";
}

}  // namespace tabulon::credits
