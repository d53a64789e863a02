// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>
#include <QPointF>

namespace tabulon::gui {

// A chart view that zooms with the mouse wheel (around the cursor) and with a rubber band, and
// reports where the cursor points in the chart's values.
class PropertyChartView : public QChartView {
  Q_OBJECT

 public:
  explicit PropertyChartView(QChart* chart, QWidget* parent = nullptr);

 signals:
  // The cursor's place in axis values (T, property), or left the plot area.
  void cursorMoved(QPointF value);
  void cursorLeft();

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace tabulon::gui
