// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/property_table_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/latin1.h"
#include "app/qt/plot/units_box.h"
#include "app/qt/tool_tip.h"
#include "common/leading_number.h"

namespace tabulon::gui {
namespace {

QLineEdit* NumberField(const QString& name, const QString& text, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setMaximumWidth(90);
  return field;
}

}  // namespace

PropertyTableWindow::PropertyTableWindow(std::vector<DatabaseSpecies> sides, QWidget* parent)
    : QWidget(parent, Qt::Window), sides_(std::move(sides)) {
  setObjectName(QStringLiteral("PropertyTableWindow"));
  setWindowTitle(SpeciesWindowTitle(QStringLiteral("Table"), sides_));
  resize(1000, 600);

  units_ = NewUnitsBox(sides_, this);
  from_ = NumberField(QStringLiteral("from"), QStringLiteral("300"), this);
  to_ = NumberField(QStringLiteral("to"), QStringLiteral("3000"), this);
  step_ = NumberField(QStringLiteral("step"), QStringLiteral("100"), this);
  auto* copy = new QPushButton(QStringLiteral("Copy"), this);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  SetToolTip(*copy,
             QStringLiteral("Puts the whole table on the clipboard, cells separated by tabs"));
  auto* save = new QPushButton(QStringLiteral("Save CSV..."), this);
  save->setShortcut(QKeySequence::Save);
  SetToolTip(*save, QStringLiteral("Writes the table into a CSV file"));

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("T from"), this));
  controls->addWidget(from_);
  controls->addWidget(new QLabel(QStringLiteral("to"), this));
  controls->addWidget(to_);
  controls->addWidget(new QLabel(QStringLiteral("step"), this));
  controls->addWidget(step_);
  controls->addWidget(new QLabel(QStringLiteral("K   Units:"), this));
  controls->addWidget(units_);
  controls->addStretch(1);
  controls->addWidget(copy);
  controls->addWidget(save);

  model_ = new PropertyTableModel(this);
  view_ = new QTableView(this);
  view_->setModel(model_);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("problem"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(view_, 1);
  layout->addWidget(problem_);

  for (QLineEdit* field : {from_, to_, step_}) {
    connect(field, &QLineEdit::editingFinished, this, &PropertyTableWindow::Refill);
  }
  connect(units_, &QComboBox::currentIndexChanged, this, &PropertyTableWindow::Refill);
  connect(copy, &QPushButton::clicked, this, &PropertyTableWindow::CopyToClipboard);
  connect(save, &QPushButton::clicked, this, &PropertyTableWindow::AskAndSave);
  Refill();
}

void PropertyTableWindow::SetSiUnits(bool si) {
  SetChoice(*units_, {.si = si, .per_mass = ChoiceOf(*units_).per_mass});
}

void PropertyTableWindow::SetUnitChoice(UnitChoice choice) {
  SetChoice(*units_, choice);
}

void PropertyTableWindow::SetRange(const QString& from, const QString& to, const QString& step) {
  from_->setText(from);
  to_->setText(to);
  step_->setText(step);
  Refill();
}

QString PropertyTableWindow::Problem() const {
  return problem_->text();
}

void PropertyTableWindow::Refill() {
  QStringList problems;
  TableRange range;
  const std::pair<QLineEdit*, double*> fields[] = {
      {from_, &range.from}, {to_, &range.to}, {step_, &range.step}};
  for (const auto& [field, value] : fields) {
    const std::optional<double> number = StrictNumber(Bytes(field->text()));
    if (!number) {
      problems << QStringLiteral("%1 is not a number").arg(field->objectName());
      *value = std::numeric_limits<double>::quiet_NaN();
    } else {
      *value = *number;
    }
  }
  if (problems.isEmpty()) {
    const std::string problem = TableRangeProblem(range);
    if (!problem.empty()) problems << QString::fromStdString(problem);
  }
  if (const QString sides = SideProblems(sides_); !sides.isEmpty()) problems << sides;
  problem_->setText(problems.join(QStringLiteral("; ")));

  std::vector<std::optional<TwoRangeNasa7>> records;
  std::vector<std::string> suffixes;
  for (const DatabaseSpecies& side : sides_) {
    records.push_back(side.source.ranges);
    suffixes.push_back(std::to_string(side.db));
  }
  model_->SetTable(BuildPropertyTable(records, suffixes, TableTemperatures(range),
                                      SideUnits(sides_, ChoiceOf(*units_))));
}

void PropertyTableWindow::CopyToClipboard() const {
  QApplication::clipboard()->setText(QString::fromStdString(TableText(model_->Table(), '\t')));
}

bool PropertyTableWindow::SaveCsv(const QString& path, QString* error) const {
  if (IsDatabaseOf(path, sides_)) {
    if (error) *error = QStringLiteral("it is a database file of this table");
    return false;
  }
  const std::string text = TableText(model_->Table(), ',');
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

void PropertyTableWindow::AskAndSave() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save CSV"),
      Latin1(sides_.empty() ? std::string() : sides_.front().source.name) + QStringLiteral(".csv"),
      QStringLiteral("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  QString error;
  if (!SaveCsv(path, &error)) {
    QMessageBox::critical(this, QStringLiteral("Save CSV"),
                          QStringLiteral("%1 was not written:\n%2").arg(path, error));
  }
}

}  // namespace tabulon::gui
