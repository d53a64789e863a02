// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <vector>

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace tabulon::gui {

// How a widget follows its parent when the parent grows, as fractions of the parent's growth:
// the widget moves right by move_x of the extra width and becomes wider by grow_x of it, and
// likewise downwards. {0, 0, 0, 0} keeps it where it was designed, at its designed size.
struct Growth {
  double move_x = 0;
  double grow_x = 0;
  double move_y = 0;
  double grow_y = 0;
};

inline constexpr Growth kStays{};
inline constexpr Growth kFollowsBottom{.move_y = 1};
inline constexpr Growth kFollowsRight{.move_x = 1};
inline constexpr Growth kFollowsBottomRight{.move_x = 1, .move_y = 1};

// Lays a window out at any size from its designed places: at the designed size every widget
// stands exactly where it was designed, and as the window grows each widget moves and grows by
// its Growth of its parent's growth (the window's for a frame, the frame's for a control in it).
// The designed size is the window's minimum, so nothing is ever squeezed or clipped.
class GrowingLayout : public QObject {
 public:
  // Lays out the children of `window`, whose current size is the designed one.
  explicit GrowingLayout(QWidget* window);

  // Adds a widget at its designed place (relative to its parent) and places it for the window's
  // current size. A parent must be added before its children; a parent that was never added
  // does not grow.
  void Add(QWidget* widget, QRect designed, Growth growth);

  // Places every widget for the window's current size.
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QWidget* widget;
    QRect designed;
    Growth growth;
  };

  // Places the entry by its parent's growth and records its own.
  void Place(const Entry& entry);

  QWidget* window_;
  QSize designed_size_;
  std::vector<Entry> entries_;
  std::map<const QWidget*, QSize> grown_;  // how much each laid-out widget has grown
};

}  // namespace tabulon::gui
