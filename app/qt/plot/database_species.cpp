// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/database_species.h"

#include <QFileInfo>

#include "app/qt/latin1.h"
#include "properties/chart_property.h"

namespace tabulon::gui {

QString DatabaseLabel(int db, std::string_view path) {
  return QStringLiteral("DB #%1: %2").arg(db).arg(QFileInfo(Latin1(path)).fileName());
}

QString SideLabel(const DatabaseSpecies& side) {
  return DatabaseLabel(side.db, side.source.path);
}

QColor SideColour(int db) {
  const std::string_view colour = DatabaseColour(db);
  return QColor(QString::fromLatin1(colour.data(), qsizetype(colour.size())));
}

QString SpeciesWindowTitle(const QString& kind, const std::vector<DatabaseSpecies>& sides) {
  if (sides.empty()) return kind;
  QStringList files;
  for (const DatabaseSpecies& side : sides) files << SideLabel(side);
  return QStringLiteral("%1: %2 - %3")
      .arg(kind, ShownLatin1(sides.front().source.name, 100), files.join(QStringLiteral(", ")));
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
