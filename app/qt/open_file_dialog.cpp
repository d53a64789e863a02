// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/open_file_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "app/qt/latin1.h"

namespace tabulon::gui {

QStringList NameFilters(std::string_view filter) {
  const QStringList parts = Latin1(filter).split(QLatin1Char('|'));
  QStringList filters;
  // Entries come in pairs; a trailing "|" leaves an empty last part, which ends the list.
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters.append(parts[i] + QStringLiteral(" (") + patterns.trimmed() + QStringLiteral(")"));
  }
  return filters;
}

std::unique_ptr<QFileDialog> MakeOpenFileDialog(const OpenFileRequest& request, QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent, Latin1(request.title));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  // The captions already name their patterns; showing the patterns again would repeat them.
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  // Without QDir::CaseSensitive the name filters match whatever the case.
  dialog->setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);

  const QStringList filters = NameFilters(request.filter);
  dialog->setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
    dialog->selectNameFilter(filters[request.filter_index - 1]);
  }

  const QString initial = QFile::decodeName(QByteArray::fromStdString(request.initial_dir));
  dialog->setDirectory(!initial.isEmpty() && QFileInfo(initial).isDir() ? initial
                                                                        : QDir::homePath());
  return dialog;
}

}  // namespace tabulon::gui
