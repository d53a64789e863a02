// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/report_viewer.h"

#include <algorithm>
#include <optional>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "app/qt/latin1.h"
#include "app/qt/results_table.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

QStringList Fields(std::string_view line) {
  return Latin1(line).split(QLatin1Char('\t'));
}

// The rows of a report's table, in file order until a column title is clicked. A cell that
// reads as a number sorts by its value, before every cell that does not, which sorts by its
// text.
class ReportTableModel : public ResultsTableModel {
 public:
  explicit ReportTableModel(TabTable table, QObject* parent)
      : ResultsTableModel(parent), table_(std::move(table)) {
    numbers_.reserve(table_.rows.size());
    for (const QStringList& row : table_.rows) {
      std::vector<std::optional<double>>& numbers = numbers_.emplace_back();
      for (const QString& cell : row) {
        bool ok = false;
        const double number = cell.trimmed().toDouble(&ok);
        numbers.push_back(ok ? std::optional<double>(number) : std::nullopt);
      }
    }
    Reset([] {}, SortedOrder(table_.rows.size(), {}, nullptr), {});  // file order
  }

  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
  }

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const QStringList& row = table_.rows[static_cast<std::size_t>(ResultAt(index.row()))];
    return index.column() < row.size() ? row[index.column()] : QString();
  }

  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section < table_.columns.size() ? table_.columns[section] : QVariant();
  }

 private:
  int Compare(int a, int b, int column) const override {
    const auto number = [this, column](int row) {
      const auto& numbers = numbers_[static_cast<std::size_t>(row)];
      return static_cast<std::size_t>(column) < numbers.size()
                 ? numbers[static_cast<std::size_t>(column)]
                 : std::nullopt;
    };
    const std::optional<double> u = number(a), v = number(b);
    if (u && v) return *u < *v ? -1 : *v < *u ? 1 : 0;
    if (u || v) return u ? -1 : 1;  // numbers first
    const auto text = [this, column](int row) {
      const QStringList& cells = table_.rows[static_cast<std::size_t>(row)];
      return column < cells.size() ? cells[column] : QString();
    };
    return text(a).compare(text(b));
  }

  TabTable table_;
  std::vector<std::vector<std::optional<double>>> numbers_;
};

QWidget* TableOf(const TabTable& table) {
  auto* rows = new ReportTableModel(table, nullptr);
  QTableView* view = NewResultsTable("Comp2Table", new ResultsProxyModel(*rows, rows), nullptr);
  rows->setParent(view);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return view;
}

QByteArray ReadReport(const QString& folder, const char* name) {
  QFile file(QDir(folder).filePath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

std::vector<TabTable> TabTables(std::string_view report) {
  std::vector<TabTable> tables;
  bool in_table = false;
  for (const std::string_view line : Lines(report)) {
    if (line.find('\t') == std::string_view::npos) {
      in_table = false;
      continue;
    }
    const QStringList fields = Fields(line);
    if (!in_table) {
      tables.emplace_back();
      in_table = true;
      const bool caption_only = std::all_of(fields.begin() + 1, fields.end(),
                                            [](const QString& f) { return f.isEmpty(); });
      if (caption_only) {
        tables.back().caption = fields.front().simplified();
        continue;
      }
    }
    TabTable& table = tables.back();
    if (table.columns.isEmpty()) {
      table.columns = fields;
    } else {
      table.rows.push_back(fields);
    }
  }
  return tables;
}

ReportViewer::ReportViewer(const QString& folder, const QStringList& databases, bool show_second,
                           QWidget* parent)
    : QDialog(parent) {
  setObjectName("ReportViewer");
  setWindowTitle(tr("Reports - %1 (in %2)")
                     .arg(databases.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder)));
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("ReportTabs");

  auto* first = new QPlainTextEdit(Latin1(ReadReport(folder, "Comp.txt").toStdString()));
  first->setObjectName("CompText");
  first->setReadOnly(true);
  first->setLineWrapMode(QPlainTextEdit::NoWrap);
  first->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  tabs->addTab(first, "Comp.txt");

  auto* second = new QTabWidget;
  second->setObjectName("Comp2Tables");
  for (const TabTable& table : TabTables(ReadReport(folder, "Comp2.txt").toStdString())) {
    second->addTab(TableOf(table), table.caption.isEmpty() ? tr("Table") : table.caption);
  }
  tabs->addTab(second, "Comp2.txt");
  tabs->setCurrentIndex(show_second ? 1 : 0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* open_folder = buttons->addButton(tr("Open folder"), QDialogButtonBox::ActionRole);
  open_folder->setObjectName("OpenFolder");
  SetToolTip(*open_folder, tr("Shows the reports' folder in the file manager"));
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  close->setShortcut(Qt::Key_Escape);
  SetToolTip(*close, tr("Closes the viewer"));
  connect(open_folder, &QPushButton::clicked, this,
          [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  resize(900, 600);
}

}  // namespace tabulon::gui
