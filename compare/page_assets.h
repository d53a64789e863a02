// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tabulon {

// The comparison page's style sheet and script, written into the page itself so that it needs
// nothing else: no font, image, style or script from anywhere.

// Light and dark colours by the reader's preference; tables that scroll sideways on a narrow
// window; sticky table headers; a print layout in black on white.
extern const std::string_view kPageStyle;

// Makes every column header of a table.sortable a button that sorts the rows by that column
// (numbers by the full value in a cell's title, else by its text; empty cells last), and opens
// every folded list before printing. Without script the page reads the same, in its own order.
extern const std::string_view kPageScript;

}  // namespace tabulon
