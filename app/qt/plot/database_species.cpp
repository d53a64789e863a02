// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/database_species.h"

#include <QFileInfo>

#include "app/qt/latin1.h"
#include "properties/chart_property.h"

namespace tabulon::gui {

QString SideLabel(const DatabaseSpecies& side) {
  return QStringLiteral("DB #%1: %2")
      .arg(side.db)
      .arg(QFileInfo(Latin1(side.source.path)).fileName());
}

QColor SideColour(int db) {
  const std::string_view colour = DatabaseColour(db);
  return QColor(QString::fromLatin1(colour.data(), qsizetype(colour.size())));
}

QString SpeciesTitle(const std::vector<DatabaseSpecies>& sides) {
  if (sides.empty()) return {};
  const QString name = Latin1(sides.front().source.name);
  if (sides.size() > 1) return name;
  return QStringLiteral("%1 (DB #%2)").arg(name).arg(sides.front().db);
}

QString SideProblems(const std::vector<DatabaseSpecies>& sides) {
  QStringList lines;
  for (const DatabaseSpecies& side : sides) {
    if (side.source.Usable()) continue;
    lines << QStringLiteral("DB #%1: %2").arg(side.db).arg(Latin1(side.source.problem));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace tabulon::gui

namespace tabulon::gui {

bool IsDatabaseOf(const QString& path, const std::vector<DatabaseSpecies>& sides) {
  const QString target = QFileInfo(path).canonicalFilePath();
  if (target.isEmpty()) return false;  // a new file is no database
  for (const DatabaseSpecies& side : sides) {
    if (QFileInfo(Latin1(side.source.path)).canonicalFilePath() == target) return true;
  }
  return false;
}

}  // namespace tabulon::gui
