// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include <QDialog>
#include <QString>
#include <QStringList>

namespace tabulon::gui {

// A table in a report: a run of lines holding TABs. When its first line has text in its first
// field only (as "T (K) =  300" of Comp2.txt), that text is the caption and the next line the
// column titles; otherwise the first line is.
struct TabTable {
  QString caption;
  QStringList columns;
  std::vector<QStringList> rows;
};
std::vector<TabTable> TabTables(std::string_view report);

// The reports of a comparison, read-only, inside the program: Comp.txt as text, Comp2.txt as one
// table per temperature (sortable by any column, numbers by value). "Open folder" shows the
// folder in the desktop's file manager. The files are read when the viewer opens, so it keeps
// showing the reports of the databases its title names whatever is loaded later; it writes
// nothing.
class ReportViewer : public QDialog {
  Q_OBJECT

 public:
  // `folder` holds the reports of the `databases` ("DB #1: a.dat"); `show_second` brings
  // Comp2.txt to the front.
  ReportViewer(const QString& folder, const QStringList& databases, bool show_second,
               QWidget* parent);
};

}  // namespace tabulon::gui
