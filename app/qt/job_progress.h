// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;
class QTimer;

namespace tabulon::gui {

class BackgroundJob;

// A progress bar and a Cancel button for a BackgroundJob: shown while the job runs, hidden
// once it has ended. The bar is busy (no figure) until the job can tell its total.
class JobProgress : public QWidget {
  Q_OBJECT

 public:
  JobProgress(BackgroundJob& job, QWidget* parent = nullptr);

  // Call right after starting the job.
  void Follow();

 private:
  void Update();

  BackgroundJob& job_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  QTimer* timer_;
};

}  // namespace tabulon::gui
