// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "app/model/database_side.h"
#include "compare/database_check.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace tabulon::gui {

class BackgroundJob;
class JobProgress;
class MainWindow;

// The findings of the database check of one loaded database, in a window of its own beside
// the main window: a table (sortable, filtered by code), the tolerances of the jump rules
// (edited, then Check again), and an export to CSV. The check reads the file as it is on disk
// and runs off the window's thread; a double-click on a finding selects its species in the
// database's list.
class FindingsWindow : public QWidget {
  Q_OBJECT

 public:
  FindingsWindow(MainWindow& main, Db db, QWidget* parent = nullptr);

  // Checks the database again with the tolerances in the fields.
  void Run();

 private:
  void Show(const CheckRun& run, std::size_t records, const std::string& problem);
  void ApplyFilter();
  void Activate(const QModelIndex& index);
  void Export();

  MainWindow& main_;
  Db db_;
  std::string path_;
  std::vector<CheckFinding> findings_;

  QLineEdit* tol_cp_;
  QLineEdit* tol_h_;
  QLineEdit* tol_s_;
  QComboBox* code_filter_;
  QLabel* status_;
  QStandardItemModel* items_;
  QSortFilterProxyModel* shown_;
  QTableView* table_;
  BackgroundJob* job_;
  JobProgress* progress_;
};

// Opens a findings window for the database loaded on side `db` and starts its check; tells
// the user when no database is loaded there.
void OpenFindingsWindow(MainWindow& main, Db db);

}  // namespace tabulon::gui
