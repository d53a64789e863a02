// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/report_viewer.h"

#include <algorithm>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/qt/latin1.h"

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

// A cell that sorts by the number it begins with when it is one, else by its text.
class Cell : public QTableWidgetItem {
 public:
  explicit Cell(const QString& text) : QTableWidgetItem(text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    number_ = trimmed.toDouble(&ok);
    numeric_ = ok;
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const auto* cell = dynamic_cast<const Cell*>(&other);
    if (cell != nullptr && numeric_ && cell->numeric_) return number_ < cell->number_;
    if (cell != nullptr && numeric_ != cell->numeric_) return numeric_;  // numbers first
    return QTableWidgetItem::operator<(other);
  }

 private:
  double number_ = 0;
  bool numeric_ = false;
};

QWidget* TableOf(const TabTable& table) {
  auto* widget =
      new QTableWidget(static_cast<int>(table.rows.size()), static_cast<int>(table.columns.size()));
  widget->setHorizontalHeaderLabels(table.columns);
  widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    const QStringList& row = table.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < row.size() && c < widget->columnCount(); ++c) {
      widget->setItem(r, c, new Cell(row[c]));
    }
  }
  // File order until a column title is clicked.
  widget->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  widget->setSortingEnabled(true);
  widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return widget;
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

ReportViewer::ReportViewer(const QString& folder, bool show_second, QWidget* parent)
    : QDialog(parent) {
  setObjectName("ReportViewer");
  setWindowTitle(tr("Reports in %1").arg(QDir::toNativeSeparators(folder)));
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
  connect(open_folder, &QPushButton::clicked, this,
          [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  resize(900, 600);
}

}  // namespace tabulon::gui
