// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QWidget>

#include "app/qt/plot/database_species.h"
#include "app/qt/plot/property_table_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace tabulon::gui {

// Cp, H, S and G of one species in one or both databases (and their differences) at the
// temperatures from / to / step, in full precision; copied to the clipboard as tab-separated
// text or saved as CSV, the same text as `tabulon-batch table`. Always a window of its own; a
// parent only ties its lifetime to the parent's.
class PropertyTableWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PropertyTableWindow(std::vector<DatabaseSpecies> sides, QWidget* parent = nullptr);

  const PropertyTableModel& Model() const { return *model_; }
  void SetSiUnits(bool si);
  // The units choice (units_box.h): per mole or per mass, the window's or SI.
  void SetUnitChoice(UnitChoice choice);
  // Sets the three fields and fills the table again.
  void SetRange(const QString& from, const QString& to, const QString& step);
  // The line under the table: what was wrong with the range or the sides, or empty.
  QString Problem() const;
  // Puts the whole table on the clipboard, cells separated by tabs.
  void CopyToClipboard() const;
  // Writes the table as CSV; false with the reason in `error`.
  bool SaveCsv(const QString& path, QString* error) const;

 private:
  void Refill();
  void AskAndSave();

  std::vector<DatabaseSpecies> sides_;
  QComboBox* units_;
  QLineEdit* from_;
  QLineEdit* to_;
  QLineEdit* step_;
  QTableView* view_;
  QLabel* problem_;
  PropertyTableModel* model_;
};

}  // namespace tabulon::gui
