// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch plot DB NAME [--db2 DB2] --out FILE.svg|FILE.png [--size WxH] [--si]
// [--per-mass]: the four property charts of the plot window, drawn headless on Qt's offscreen
// platform into a file.
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QRegularExpression>

#include "app/qt/latin1.h"
#include "app/qt/plot/database_species.h"
#include "app/qt/plot/plot_charts.h"
#include "app/qt/plot/plot_export.h"
#include "batch/commands.h"
#include "batch/species_args.h"

namespace tabulon::batch {
namespace {

constexpr QSize kDefaultSize(1200, 900);

// "WxH" with each side from 100 to 10000 pixels.
bool ParseSize(const std::string& text, QSize& size) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"));
  const QRegularExpressionMatch match = pattern.match(QString::fromStdString(text));
  if (!match.hasMatch()) return false;
  size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
  return size.width() <= 10000 && size.height() <= 10000;
}

}  // namespace

int RunPlot(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
  SpeciesArgs parsed;
  if (!ParseSpeciesArgs(args, {"--out", "--size"}, parsed)) return 2;
  QString out_path;
  QSize size = kDefaultSize;
  for (const auto& [option, value] : parsed.options) {
    if (option == "--out") {
      out_path = gui::Latin1(value);
    } else if (!ParseSize(value, size)) {
      err << "tabulon-batch plot: --size needs WxH in pixels (100 to 10000), not \"" << value
          << "\"\n";
      return 2;
    }
  }
  gui::PictureFormat format;
  if (out_path.isEmpty() || !gui::PictureFormatOf(out_path, format)) {
    err << "tabulon-batch plot: --out needs a file name ending in .svg or .png\n";
    return 2;
  }

  std::vector<SpeciesSource> sources;
  if (!LoadSpeciesSources(parsed, "plot", sources, err)) return 1;
  std::vector<gui::DatabaseSpecies> sides;
  for (SpeciesSource& source : sources) {
    sides.push_back({static_cast<int>(sides.size()) + 1, std::move(source)});
  }
  if (gui::IsDatabaseOf(out_path, sides)) {
    err << "tabulon-batch plot: " << gui::Bytes(out_path) << " is a database file\n";
    return 1;
  }

  // Headless whatever the environment says: the charts are drawn into the file only.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "tabulon-batch";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);

  // Per mass, each side in units of its own weight (LoadSpeciesSources refused unknown ones).
  const UnitChoice choice{.si = parsed.si, .per_mass = parsed.per_mass};
  std::vector<gui::PlottedRecord> records;
  for (const gui::DatabaseSpecies& side : sides) {
    records.push_back({QStringLiteral("db%1").arg(side.db), gui::SideLabel(side),
                       gui::SideColour(side.db), *side.source.ranges, side.source.UnitsIn(choice)});
  }
  gui::PlotCharts charts;
  charts.setAttribute(Qt::WA_DontShowOnScreen);
  charts.resize(size);
  charts.SetSpeciesName(gui::Latin1(sides.front().source.name));
  charts.ShowRecords(records, *records.front().units);
  charts.show();
  QApplication::processEvents();

  QString error;
  if (!gui::ExportPicture(charts, out_path, format, &error)) {
    err << "tabulon-batch plot: cannot write " << gui::Bytes(out_path) << ": " << gui::Bytes(error)
        << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tabulon::batch
