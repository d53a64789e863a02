// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/units_box.h"

#include <QComboBox>
#include <QStandardItemModel>

#include "app/qt/latin1.h"

namespace tabulon::gui {
namespace {

int IndexOf(UnitChoice choice) {
  return (choice.si ? 1 : 0) + (choice.per_mass ? 2 : 0);
}

}  // namespace

QComboBox* NewUnitsBox(const std::vector<DatabaseSpecies>& sides, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QStringLiteral("units"));
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  box->addItem(QStringLiteral("cal/mol/K, kcal/mol"));
  box->addItem(QStringLiteral("SI: J/mol/K, kJ/mol"));
  box->addItem(QStringLiteral("per mass: cal/g/K, kcal/g"));
  box->addItem(QStringLiteral("per mass, SI: J/kg/K, kJ/kg"));
  QString why;
  for (const DatabaseSpecies& side : sides) {
    if (side.source.Usable() && !side.source.PerMassProblem().empty()) {
      why = Latin1(side.source.PerMassProblem());
      break;
    }
  }
  if (!why.isEmpty()) {
    auto* items = qobject_cast<QStandardItemModel*>(box->model());
    for (int k : {2, 3}) {
      items->item(k)->setEnabled(false);
      items->item(k)->setToolTip(why);
    }
  }
  return box;
}

UnitChoice ChoiceOf(const QComboBox& box) {
  const int index = box.currentIndex() < 0 ? 0 : box.currentIndex();
  return UnitChoice{.si = index % 2 == 1, .per_mass = index / 2 == 1};
}

void SetChoice(QComboBox& box, UnitChoice choice) {
  const auto* items = qobject_cast<const QStandardItemModel*>(box.model());
  if (choice.per_mass && !items->item(IndexOf(choice))->isEnabled()) choice.per_mass = false;
  box.setCurrentIndex(IndexOf(choice));
}

std::vector<Units> SideUnits(const std::vector<DatabaseSpecies>& sides, UnitChoice choice) {
  std::vector<Units> units;
  for (const DatabaseSpecies& side : sides) {
    const std::optional<Units> own = side.source.UnitsIn(choice);
    units.push_back(own ? *own : *side.source.UnitsIn({.si = choice.si}));
  }
  return units;
}

}  // namespace tabulon::gui
