// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/growing_layout.h"

#include <cmath>

#include <QEvent>
#include <QWidget>

namespace tabulon::gui {

namespace {

int Share(double fraction, int extra) {
  return static_cast<int>(std::lround(fraction * extra));
}

}  // namespace

GrowingLayout::GrowingLayout(QWidget* window)
    : QObject(window), window_(window), designed_size_(window->size()) {
  window_->setMinimumSize(designed_size_);
  window_->installEventFilter(this);
}

void GrowingLayout::Add(QWidget* widget, QRect designed, Growth growth) {
  entries_.push_back({widget, designed, growth});
  grown_[window_] = window_->size() - designed_size_;
  Place(entries_.back());
}

void GrowingLayout::Apply() {
  grown_ = {{window_, window_->size() - designed_size_}};
  // Entries come parents first.
  for (const Entry& entry : entries_) Place(entry);
}

void GrowingLayout::Place(const Entry& entry) {
  const auto parent = grown_.find(entry.widget->parentWidget());
  const QSize extra = parent == grown_.end() ? QSize(0, 0) : parent->second;
  const Growth& g = entry.growth;
  const QSize own(Share(g.grow_x, extra.width()), Share(g.grow_y, extra.height()));
  const QPoint moved(Share(g.move_x, extra.width()), Share(g.move_y, extra.height()));
  entry.widget->setGeometry(QRect(entry.designed.topLeft() + moved, entry.designed.size() + own));
  grown_[entry.widget] = own;
}

bool GrowingLayout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Resize) Apply();
  return QObject::eventFilter(watched, event);
}

}  // namespace tabulon::gui
