// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include <QWidget>

#include "app/model/database_side.h"
#include "app/qt/background_job.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTableView;

namespace tabulon::gui {

class JobProgress;
class MainWindow;
class ResultsProxyModel;
class ResultsTableModel;

// A database file a results window was made from, and the side it was loaded on then.
struct SourceFile {
  Db db;
  std::string path;
};

// A window of results beside the main window (the findings of a check, the differences of a
// pair), made from database files that it names in its title and works on alone, whatever the
// main window loads later: a row of controls, a sortable table over its results, a progress bar
// with Cancel while its job runs, a status line and Export CSV. The job reads the files as they
// are on disk, off the window's thread; the results reach the table in one reset. The window is
// deleted when closed.
class ResultsWindow : public QWidget {
  Q_OBJECT

 public:
  QTableView& Table() const { return *table_; }
  QString StatusText() const;
  // The database files the results were made from.
  const std::vector<SourceFile>& Files() const { return files_; }
  BackgroundJob& Job() const { return *job_; }

 protected:
  // `rows` holds the results (the window takes it); the window shows them through a sorting
  // and filtering proxy. `name` names the table; the title is `kind` and the files' names.
  ResultsWindow(MainWindow& main, const char* name, const QString& kind,
                std::vector<SourceFile> files, ResultsTableModel* rows, QWidget* parent);

  // The row above the table, for the window's own controls.
  QHBoxLayout& Controls() const { return *controls_; }
  // Adds Export CSV at the right end of the controls: `write` writes the table into the file
  // the user chooses, never over one of the window's database files.
  void AddExport(const char* suggested_name, std::function<void(std::ostream&)> write);
  // Starts the job, with `running` in the status line; `work` runs off the window's thread
  // and returns what to do with its results on the window's thread. When the user cancels
  // it, the status line says `cancelled` (by default, that the results need another run).
  void Start(const QString& running, std::function<std::function<void()>(JobControl&)> work,
             const QString& cancelled = {});
  void SetStatus(const QString& text);
  // Selects `name` in the main window's list of the file's side while that side still holds
  // the file; otherwise says in the status line what it holds now. True when selected.
  bool SelectInMainWindow(const SourceFile& file, const std::string& name);

  ResultsTableModel& Rows() const { return *rows_; }
  ResultsProxyModel& Shown() const { return *shown_; }
  MainWindow& Main() const { return main_; }

  // A field for a tolerance: numbers in the C locale, at least 0.
  static QLineEdit* ToleranceField(double value, const char* name, QWidget* parent);

 private:
  // A double-click on a row, given as the index of its result.
  virtual void Activate(int result) = 0;

  MainWindow& main_;
  std::vector<SourceFile> files_;
  BackgroundJob* job_;
  QHBoxLayout* controls_;
  ResultsTableModel* rows_;
  ResultsProxyModel* shown_;
  QTableView* table_;
  JobProgress* progress_;
  QLabel* status_;
  QString cancelled_;  // the status line after a cancel of the running job
};

}  // namespace tabulon::gui
