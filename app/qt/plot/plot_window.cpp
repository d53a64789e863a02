// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_window.h"

#include <cmath>

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include "app/qt/latin1.h"
#include "app/qt/plot/property_table_window.h"
#include "app/qt/plot/units_box.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

PlotWindow::PlotWindow(std::vector<DatabaseSpecies> sides, QWidget* parent)
    : QMainWindow(parent), sides_(std::move(sides)) {
  setObjectName(QStringLiteral("PlotWindow"));
  setWindowTitle(SpeciesWindowTitle(QStringLiteral("Plot"), sides_));
  resize(1100, 800);

  charts_ = new PlotCharts(this);
  if (!sides_.empty()) charts_->SetSpeciesName(Latin1(sides_.front().source.name));
  setCentralWidget(charts_);

  QToolBar* tools = addToolBar(QStringLiteral("Plot"));
  tools->setMovable(false);
  tools->addWidget(new QLabel(QStringLiteral(" Units: "), tools));
  units_ = NewUnitsBox(sides_, tools);
  tools->addWidget(units_);
  tools->addSeparator();
  const auto add = [tools](const QString& text, const QKeySequence& shortcut, const QString& what,
                           auto... slot) {
    QAction* action = tools->addAction(text, slot...);
    action->setShortcut(shortcut);
    SetToolTip(*action, what);
  };
  add(QStringLiteral("Reset zoom"), QKeySequence(Qt::CTRL | Qt::Key_0),
      QStringLiteral("Shows every curve whole again (a wheel turn zooms, a drag zooms into its "
                     "rectangle)"),
      charts_, &PlotCharts::ResetZoom);
  add(QStringLiteral("Export PNG..."), QKeySequence(Qt::CTRL | Qt::Key_E),
      QStringLiteral("Saves the four charts as a PNG picture"), this,
      [this] { Export(PictureFormat::Png); });
  add(QStringLiteral("Export SVG..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
      QStringLiteral("Saves the four charts as an SVG drawing"), this,
      [this] { Export(PictureFormat::Svg); });
  add(QStringLiteral("Table..."), QKeySequence(Qt::CTRL | Qt::Key_T),
      QStringLiteral("Opens the property table of the same species and files"), this,
      &PlotWindow::OpenTable);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  statusBar()->addWidget(status_, 1);
  problems_ = SideProblems(sides_).replace(QLatin1Char('\n'), QStringLiteral("; "));
  status_->setText(problems_);

  connect(units_, &QComboBox::currentIndexChanged, this, &PlotWindow::Redraw);
  connect(charts_, &PlotCharts::cursorMoved, this, [this](PlotProperty property, QPointF value) {
    status_->setText(CursorText(property, value));
  });
  connect(charts_, &PlotCharts::cursorLeft, this, [this] { status_->setText(problems_); });
  Redraw();
}

UnitChoice PlotWindow::CurrentChoice() const {
  return ChoiceOf(*units_);
}

Units PlotWindow::CurrentUnits() const {
  const std::vector<Units> units = SideUnits(sides_, CurrentChoice());
  return units.empty() ? kWindowUnits : units.front();
}

void PlotWindow::SetUnitChoice(UnitChoice choice) {
  SetChoice(*units_, choice);
}

void PlotWindow::SetSiUnits(bool si) {
  SetChoice(*units_, {.si = si, .per_mass = CurrentChoice().per_mass});
}

QString PlotWindow::StatusText() const {
  return status_->text();
}

QString PlotWindow::CursorText(PlotProperty property, QPointF value) const {
  const Units units = CurrentUnits();
  const std::vector<Units> side_units = SideUnits(sides_, CurrentChoice());
  const double t = value.x();
  QString text = QStringLiteral("T = %1 K   cursor %2").arg(t, 0, 'f', 1).arg(value.y(), 0, 'g', 6);
  for (std::size_t k = 0; k < sides_.size(); ++k) {
    const DatabaseSpecies& side = sides_[k];
    if (!side.source.Usable() || !side.source.ranges->Covers(t) || !(t > 0)) continue;
    const TwoRangeNasa7& ranges = *side.source.ranges;
    const double v = PropertyValue(property, PropertiesAt(ranges.SetAt(t), t, side_units[k]));
    if (std::isfinite(v)) text += QStringLiteral("   DB #%1: %2").arg(side.db).arg(v, 0, 'g', 7);
  }
  const bool per_kelvin = property == PlotProperty::Cp || property == PlotProperty::S;
  return text + QStringLiteral(" %1").arg(per_kelvin ? units.cp_unit : units.h_unit);
}

std::vector<PlottedRecord> PlotWindow::Records() const {
  std::vector<PlottedRecord> records;
  const std::vector<Units> units = SideUnits(sides_, CurrentChoice());
  for (std::size_t k = 0; k < sides_.size(); ++k) {
    const DatabaseSpecies& side = sides_[k];
    if (side.source.Usable()) {
      records.push_back({QStringLiteral("db%1").arg(side.db), SideLabel(side), SideColour(side.db),
                         *side.source.ranges, units[k]});
    }
  }
  return records;
}

void PlotWindow::Redraw() {
  charts_->ShowRecords(Records(), CurrentUnits());
}

void PlotWindow::Export(PictureFormat format) {
  const bool png = format == PictureFormat::Png;
  const QString suggested = Latin1(sides_.empty() ? std::string() : sides_.front().source.name) +
                            (png ? QStringLiteral(".png") : QStringLiteral(".svg"));
  const QString path = QFileDialog::getSaveFileName(
      this, png ? QStringLiteral("Export PNG") : QStringLiteral("Export SVG"), suggested,
      png ? QStringLiteral("PNG pictures (*.png)") : QStringLiteral("SVG drawings (*.svg)"));
  if (path.isEmpty()) return;
  QString error;
  if (!ExportTo(path, format, &error)) {
    QMessageBox::critical(this, QStringLiteral("Export"),
                          QStringLiteral("%1 was not written:\n%2").arg(path, error));
  }
}

bool PlotWindow::ExportTo(const QString& path, PictureFormat format, QString* error) {
  if (IsDatabaseOf(path, sides_)) {
    if (error) *error = QStringLiteral("it is a database file of this plot");
    return false;
  }
  // PNG: the charts as Qt paints them; SVG: the domain's drawing of what they show.
  const std::string species = sides_.empty() ? std::string() : sides_.front().source.name;
  const QByteArray bytes =
      format == PictureFormat::Png
          ? PngOf(*charts_)
          : SvgOf(Records(), CurrentUnits(), species, charts_->size(), charts_->ZoomWindows());
  return SavePicture(bytes, path, error);
}

void PlotWindow::OpenTable() {
  auto* table = new PropertyTableWindow(sides_, parentWidget());
  table->setAttribute(Qt::WA_DeleteOnClose);
  table->SetUnitChoice(CurrentChoice());
  table->show();
}

}  // namespace tabulon::gui
