// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "common/version.h"

namespace tabulon::credits {

// Who made the tool and how to reach them, in one place: the window title and the About window
// read these. Neutral placeholders of the project's own; no real person's name or address.
inline constexpr const char* kAuthor1Title = "Dr.";
inline constexpr const char* kAuthor1 = "A. Author";
inline constexpr const char* kAuthor2Title = "Prof.";
inline constexpr const char* kAuthor2 = "B. Author";
inline constexpr const char* kInstitution = "Example Institute of Combustion";
inline constexpr const char* kResearchGroup = "Reaction Kinetics Group";
inline constexpr const char* kDepartment = "Department of Chemistry";
inline constexpr const char* kCountry = "Exampleland";
// Follows "Fax: (+": the country and area codes, the closing parenthesis, the number.
inline constexpr const char* kFaxNumber = "1 555) 555 0100";
inline constexpr const char* kEmail1 = "a.author@example.org";
inline constexpr const char* kEmail2 = "b.author@example.org";
// The downloads section of the project's web page; the About window shows it and links to it.
inline constexpr const char* kWebPage = "http://www.example.org/tabulon/downloads.html";

// The version box of the About window, its two lines.
inline const std::string kVersionLine = std::string("Tabulon version ") + kVersion + " - May 2005";
inline constexpr const char* kPlatformLine = "for Windows 98, 2000, NT and XP";

// "Tabulon v 1.20 ; created by <author 1> & <author 2>, <institution>, May 2005."
inline std::string MainWindowTitle() {
  return std::string("Tabulon v ") + kVersion + " ; created by " + kAuthor1 + " & " + kAuthor2 +
         ", " + kInstitution + ", May 2005.";
}

// "Authors: " and both names with their academic titles.
inline std::string AuthorsLine() {
  return std::string("Authors: ") + kAuthor1Title + " " + kAuthor1 + " and " + kAuthor2Title + " " +
         kAuthor2;
}

inline std::string DepartmentLine() {
  return std::string(kDepartment) + ", " + kInstitution;
}

inline std::string FaxLine() {
  return std::string("Fax: (") + "+" + kFaxNumber;
}

// One new mail addressed to both authors.
inline std::string MailLink() {
  return std::string("mailto:") + kEmail1 + ", " + kEmail2;
}

inline std::string WebLink() {
  return kWebPage;
}

}  // namespace tabulon::credits
