// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "compare/deviation_scan.h"

class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace tabulon::gui {

class BackgroundJob;
class JobProgress;
class MainWindow;

// The Differences view of the two loaded databases: for every species in both, the largest
// difference of Cp, H and S over the kelvins both records cover, with where it occurs. A
// sortable table; rows where a difference is above the tolerance the user sets are
// highlighted; a double-click shows the species (ShowSpeciesDifference). The scan reads both
// files as they are on disk and runs off the window's thread.
class DeviationsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DeviationsWindow(MainWindow& main, QWidget* parent = nullptr);

  void Run();

 private:
  void Show(const DeviationRun& run, const std::string& problem);
  void Highlight();
  void Activate(const QModelIndex& index);
  void Export();

  MainWindow& main_;
  std::string path1_, path2_;
  std::vector<DeviationRow> rows_;

  QLineEdit* tol_cp_;
  QLineEdit* tol_h_;
  QLineEdit* tol_s_;
  QLabel* status_;
  QStandardItemModel* items_;
  QTableView* table_;
  BackgroundJob* job_;
  JobProgress* progress_;
};

// Opens the Differences view of the two loaded databases and starts its scan; tells the user
// when they are not both loaded.
void OpenDeviationsWindow(MainWindow& main);

}  // namespace tabulon::gui
