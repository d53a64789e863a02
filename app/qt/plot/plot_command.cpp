// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_command.h"

#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QRegularExpression>

#include "app/model/species_args.h"
#include "app/qt/latin1.h"
#include "app/qt/plot/database_species.h"
#include "app/qt/plot/plot_charts.h"
#include "app/qt/plot/plot_export.h"

namespace tabulon::gui {
namespace {

constexpr QSize kDefaultSize(1200, 900);
constexpr const char* kProgram = "tabulon --plot";

// "WxH" with each side from 100 to 10000 pixels.
bool ParseSize(const std::string& text, QSize& size) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"));
  const QRegularExpressionMatch match = pattern.match(QString::fromStdString(text));
  if (!match.hasMatch()) return false;
  size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
  return size.width() <= 10000 && size.height() <= 10000;
}

}  // namespace

int RunPlotCommand(const std::vector<std::string>& args, std::ostream& err) {
  SpeciesArgs parsed;
  if (!ParseSpeciesArgs(args, {"--out", "--size"}, parsed)) return 2;
  QString out_path;
  QSize size = kDefaultSize;
  for (const auto& [option, value] : parsed.options) {
    if (option == "--out") {
      out_path = Latin1(value);
    } else if (!ParseSize(value, size)) {
      err << kProgram << ": --size needs WxH in pixels (100 to 10000), not \"" << value << "\"\n";
      return 2;
    }
  }
  PictureFormat format;
  if (out_path.isEmpty() || !PictureFormatOf(out_path, format)) {
    err << kProgram << ": --out needs a file name ending in .svg or .png\n";
    return 2;
  }

  std::vector<SpeciesSource> sources;
  if (!LoadSpeciesSources(parsed, kProgram, sources, err)) return 1;
  std::vector<DatabaseSpecies> sides;
  for (SpeciesSource& source : sources) {
    sides.push_back({static_cast<int>(sides.size()) + 1, std::move(source)});
  }
  if (IsDatabaseOf(out_path, sides)) {
    err << kProgram << ": " << Bytes(out_path) << " is a database file\n";
    return 1;
  }

  // Per mass, each side in units of its own weight (LoadSpeciesSources refused unknown ones).
  const UnitChoice choice{.si = parsed.si, .per_mass = parsed.per_mass};
  std::vector<PlottedRecord> records;
  for (const DatabaseSpecies& side : sides) {
    records.push_back({QStringLiteral("db%1").arg(side.db), SideLabel(side), SideColour(side.db),
                       *side.source.ranges, side.source.UnitsIn(choice)});
  }
  QByteArray bytes;
  if (format == PictureFormat::Svg) {
    // The domain draws the SVG: no window system needed.
    bytes = SvgOf(records, *records.front().units, sides.front().source.name, size);
  } else {
    // Headless whatever the environment says: the charts are drawn into the file only.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tabulon";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    PlotCharts charts;
    charts.setAttribute(Qt::WA_DontShowOnScreen);
    charts.resize(size);
    charts.SetSpeciesName(Latin1(sides.front().source.name));
    charts.ShowRecords(records, *records.front().units);
    charts.show();
    QApplication::processEvents();
    bytes = PngOf(charts);
  }

  QString error;
  if (!SavePicture(bytes, out_path, &error)) {
    err << kProgram << ": cannot write " << Bytes(out_path) << ": " << Bytes(error) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tabulon::gui
