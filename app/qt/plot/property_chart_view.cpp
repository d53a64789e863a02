// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/property_chart_view.h"

#include <cmath>

#include <QMouseEvent>
#include <QWheelEvent>

namespace tabulon::gui {

PropertyChartView::PropertyChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::RectangleRubberBand);
  setMouseTracking(true);
}

void PropertyChartView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  // Zoom around the cursor: the point under it stays where it is.
  const QRectF area = chart()->plotArea();
  const QPointF cursor = chart()->mapFromScene(mapToScene(event->position().toPoint()));
  const double factor = std::pow(0.8, steps);
  QRectF zoomed(0, 0, area.width() * factor, area.height() * factor);
  zoomed.moveTopLeft(cursor - (cursor - area.topLeft()) * factor);
  chart()->zoomIn(zoomed);
  event->accept();
}

void PropertyChartView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF in_chart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
  if (chart()->plotArea().contains(in_chart)) {
    emit cursorMoved(chart()->mapToValue(in_chart));
  } else {
    emit cursorLeft();
  }
  QChartView::mouseMoveEvent(event);
}

void PropertyChartView::leaveEvent(QEvent* event) {
  emit cursorLeft();
  QChartView::leaveEvent(event);
}

}  // namespace tabulon::gui
