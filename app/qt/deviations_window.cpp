// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/deviations_window.h"

#include <limits>

#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "app/qt/deviations_table_model.h"
#include "app/qt/latin1.h"
#include "app/qt/main_window.h"
#include "app/qt/merge_commands.h"
#include "app/qt/page_export.h"
#include "app/qt/plot/plot_launcher.h"
#include "compare/deviation_report.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon::gui {

namespace {

// A tolerance field's value; an empty or unreadable field highlights nothing.
double ToleranceOf(const QLineEdit* field) {
  bool ok = false;
  const double value = QLocale::c().toDouble(field->text(), &ok);
  return ok ? value : std::numeric_limits<double>::infinity();
}

}  // namespace

DeviationsWindow::DeviationsWindow(MainWindow& main, const std::string& path1,
                                   const std::string& path2, QWidget* parent)
    : ResultsWindow(main, "differences", tr("Differences"), {{Db::One, path1}, {Db::Two, path2}},
                    new DeviationsTableModel, parent) {
  setObjectName("DifferencesView");

  tol_cp_ = ToleranceField(0.1, "tolCp", this);
  tol_h_ = ToleranceField(0.1, "tolH", this);
  tol_s_ = ToleranceField(0.1, "tolS", this);
  QHBoxLayout& controls = Controls();
  controls.addWidget(new QLabel(tr("Highlight above: dCp (cal/mol/K)"), this));
  controls.addWidget(tol_cp_);
  controls.addWidget(new QLabel(tr("dH (kcal/mol)"), this));
  controls.addWidget(tol_h_);
  controls.addWidget(new QLabel(tr("dS (cal/mol/K)"), this));
  controls.addWidget(tol_s_);
  controls.addStretch(1);
  auto* take = new QPushButton(tr("Take from DB #2"), this);
  take->setObjectName("take");
  take->setToolTip(
      tr("Mark (or unmark) the chosen species: a merged database takes their "
         "records from DB #2"));
  add_only_ = new QPushButton(tr("Add DB #2's only species"), this);
  add_only_->setObjectName("addOnly");
  add_only_->setCheckable(true);
  add_only_->setChecked(main.Model().merge_marks.AddsOnly());
  add_only_->setToolTip(
      tr("Mark (or unmark) every species only DB #2 holds: a merged database "
         "adds them before END"));
  auto* save = new QPushButton(tr("Save merged database as..."), this);
  save->setObjectName("saveMerged");
  save->setToolTip(tr("Write DB #1 with the marked species of DB #2 to a new file"));
  for (QPushButton* button : {take, add_only_, save}) controls.addWidget(button);
  connect(take, &QPushButton::clicked, this, &DeviationsWindow::TakeChosen);
  connect(add_only_, &QPushButton::toggled, this, [this](bool add) {
    Main().Model().merge_marks.SetAddOnly(add);
    Main().Additions().merge->ShowMarks();
    ShowStatus();
  });
  connect(save, &QPushButton::clicked, this,
          [this] { Main().Additions().merge->SaveMergedAs(this); });
  auto* export_page = new QPushButton(tr("Export HTML report..."), this);
  export_page->setObjectName("exportHtml");
  export_page->setToolTip(
      tr("Write one HTML page to share: both files, the species in each, every difference, the "
         "plots of the species that differ most and both files' check findings"));
  controls.addWidget(export_page);
  connect(export_page, &QPushButton::clicked, this, &DeviationsWindow::ExportPage);
  AddExport("differences.csv",
            [this](std::ostream& out) { WriteDeviationsCsv(out, Differences().Rows()); });

  Table().sortByColumn(DeviationsTableModel::kCp, Qt::DescendingOrder);
  for (QLineEdit* field : {tol_cp_, tol_h_, tol_s_}) {
    connect(field, &QLineEdit::textChanged, this, &DeviationsWindow::Highlight);
  }
  Highlight();
}

DeviationsTableModel& DeviationsWindow::Differences() const {
  return static_cast<DeviationsTableModel&>(Rows());
}

void DeviationsWindow::Run() {
  const SortKey sorting = Differences().Sorting();
  Start(tr("Scanning..."),
        [this, path1 = Files()[0].path, path2 = Files()[1].path,
         sorting](JobControl& control) -> std::function<void()> {
          const auto [first, second] = ReadThermoFilePair(path1, path2);
          for (const ThermoFile* file : {&first, &second}) {
            if (!file->Outcome().Succeeded()) {
              return [this, problem = file->Path() + ": " + file->Outcome().problem] {
                Show({}, {}, {}, problem);
              };
            }
          }
          DeviationRun run = ScanDeviations(first.Records(), second.Records(),
                                            [&control](std::size_t done, std::size_t total) {
                                              return control.Report(done, total);
                                            });
          // Sorted here, so the window's thread only swaps the rows in.
          std::vector<int> order = DeviationsTableModel::Order(run.rows, sorting);
          return [this, run = std::move(run), order = std::move(order), sorting]() mutable {
            Show(std::move(run), std::move(order), sorting, {});
          };
        });
}

void DeviationsWindow::ExportPage() {
  ExportComparisonPage(this, {Files()[0].path, Files()[1].path},
                       QFileInfo(Latin1(Files()[0].path)).absolutePath());
}

void DeviationsWindow::Show(DeviationRun run, std::vector<int> order, SortKey sorted_by,
                            const std::string& problem) {
  Differences().SetRows(std::move(run.rows), std::move(order), sorted_by);
  if (!problem.empty()) {
    SetStatus(tr("A database cannot be read: %1").arg(Latin1(problem)));
    return;
  }
  Table().resizeColumnsToContents();
  Highlight();
}

void DeviationsWindow::Highlight() {
  Differences().SetTolerances({ToleranceOf(tol_cp_), ToleranceOf(tol_h_), ToleranceOf(tol_s_)});
  ShowStatus();
}

void DeviationsWindow::ShowStatus() {
  if (Job().Running()) return;  // the status line says what runs
  const MergeMarks& marks = Main().Model().merge_marks;
  QString text = tr("%1 species in both databases, %2 above the tolerances")
                     .arg(Differences().rowCount())
                     .arg(Differences().AboveToleranceCount());
  if (!marks.Empty()) {
    text += tr("; %1 marked to take from DB #2").arg(marks.TakenNames().size());
    if (marks.AddsOnly()) text += tr(", DB #2's only species to add");
  }
  SetStatus(text);
}

void DeviationsWindow::TakeChosen() {
  std::vector<std::string> names;
  for (const QModelIndex& row : Table().selectionModel()->selectedRows()) {
    names.push_back(Differences().Rows()[static_cast<std::size_t>(Shown().ResultAt(row))].name);
  }
  if (names.empty()) return;
  Main().Model().merge_marks.ToggleTake(names);
  Main().Additions().merge->ShowMarks();
  ShowStatus();
}

void DeviationsWindow::Activate(int result) {
  // Both frames show the species side by side where they still hold this window's files, and
  // its plot opens from those files, whatever the main window holds.
  const std::string& name = Differences().Rows()[static_cast<std::size_t>(result)].name;
  QStringList elsewhere;
  for (const SourceFile& file : Files()) {
    if (!SelectInMainWindow(file, name)) elsewhere << StatusText();
  }
  if (!elsewhere.isEmpty()) SetStatus(elsewhere.join(QStringLiteral("; ")));
  OpenPlotWindow(&Main(), {{1, LoadSpeciesSource(Files()[0].path, name)},
                           {2, LoadSpeciesSource(Files()[1].path, name)}});
}

void OpenDeviationsWindow(MainWindow& main) {
  const CommonValue& common = main.Model().common;
  if (!common.DB1Loaded || !common.DB2Loaded) {
    QMessageBox::information(&main, QObject::tr("Differences"),
                             QObject::tr("Load both databases first."));
    return;
  }
  auto* window = new DeviationsWindow(main, common.DB1Path, common.DB2Path, &main);
  window->show();
  window->Run();
}

}  // namespace tabulon::gui
