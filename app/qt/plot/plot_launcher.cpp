// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_launcher.h"

#include <QEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "app/model/main_window_model.h"
#include "app/qt/fonts.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/plot/plot_window.h"
#include "app/qt/plot/property_table_window.h"

namespace tabulon::gui {
namespace {

// Places of the buttons in their frames, in twips like the rest of the window: in the free
// space right of the result boxes, and between the thermometer and the About button.
constexpr TwipsRect kPlotButtonInSideFrame{5280, 2520, 1335, 375};
constexpr TwipsRect kTableButtonInSideFrame{6720, 2520, 1335, 375};
constexpr TwipsRect kPlotButtonInCompareFrame{8280, 1560, 915, 375};
constexpr TwipsRect kTableButtonInCompareFrame{9240, 1560, 915, 375};

DatabaseSpecies Side(int db, const std::string& path, const std::string& name) {
  return {db, LoadSpeciesSource(path, name)};
}

// The species under a double-click: the row's name in the databases its list belongs to.
std::vector<DatabaseSpecies> SpeciesOfList(MainWindowModel& model, const QString& list,
                                           const std::string& name) {
  const CommonValue& common = model.common;
  std::vector<DatabaseSpecies> sides;
  const bool db1 = list == "LOS1" || list == "LOS3" || list == "LOS4";
  const bool db2 = list == "LOS2" || list == "LOS3" || list == "LOS5";
  if (db1 && common.DB1Loaded) sides.push_back(Side(1, common.DB1Path, name));
  if (db2 && common.DB2Loaded) sides.push_back(Side(2, common.DB2Path, name));
  return sides;
}

// The model's selection, not the row's text: a row shows at most the start of a very long name.
std::vector<DatabaseSpecies> SelectedInList(MainWindowModel& model, const QString& list) {
  const ListBox* lists[] = {&model.LOS1, &model.LOS2, &model.LOS3, &model.LOS4, &model.LOS5};
  for (const ListBox* box : lists) {
    if (QString::fromStdString(box->Name()) != list) continue;
    const std::string name = box->SelectedText();
    if (name.empty()) return {};
    return SpeciesOfList(model, list, name);
  }
  return {};
}

// Runs `action` on each double click in a widget. The list view's own double-click signal is
// not used: the press before it runs the click reaction, whose refresh of the list makes Qt
// forget the pressed row.
class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) action_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

// Keeps a button at its designed offset from a control of its frame (the Cp result box, the
// Compare button), so that it stays beside that control when a grown window moves it.
class FollowAnchor : public QObject {
 public:
  FollowAnchor(QWidget* button, QWidget* reference)
      : QObject(button),
        button_(button),
        reference_(reference),
        offset_(button->pos() - reference->pos()) {
    reference->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == reference_ && event->type() == QEvent::Move) {
      button_->move(reference_->pos() + offset_);
    }
    return false;
  }

 private:
  QWidget* button_;
  QWidget* reference_;
  QPoint offset_;
};

bool Ready(QWidget* owner, const std::vector<DatabaseSpecies>& sides, const QString& what) {
  if (sides.empty()) {
    QMessageBox::information(owner, what, QStringLiteral("Select a species first."));
    return false;
  }
  bool usable = false;
  for (const DatabaseSpecies& side : sides) usable = usable || side.source.Usable();
  if (!usable) {
    QMessageBox::information(owner, what,
                             QStringLiteral("Nothing to show:\n%1").arg(SideProblems(sides)));
  }
  return usable;
}

void AddButton(QWidget& main_window, const char* frame, const char* follows, const QString& name,
               const QString& text, const TwipsRect& place, std::function<void()> action) {
  auto* parent = main_window.findChild<QWidget*>(QString::fromLatin1(frame));
  if (!parent) return;
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setFont(CommandButtonFont());  // as the window's own buttons
  button->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width),
                      Pixels(place.height));
  button->setFocusPolicy(Qt::ClickFocus);  // keeps the window's tab order as it is
  QObject::connect(button, &QPushButton::clicked, &main_window, std::move(action));
  if (auto* reference = parent->findChild<QWidget*>(QString::fromLatin1(follows))) {
    new FollowAnchor(button, reference);
  }
}

}  // namespace

std::vector<DatabaseSpecies> SelectedSpecies(MainWindowModel& model, PlotSource source) {
  switch (source) {
    case PlotSource::Db1:
      return SelectedInList(model, QStringLiteral("LOS1"));
    case PlotSource::Db2:
      return SelectedInList(model, QStringLiteral("LOS2"));
    case PlotSource::Common:
      return SelectedInList(model, QStringLiteral("LOS3"));
  }
  return {};
}

QWidget* OpenPlotWindow(QWidget* owner, std::vector<DatabaseSpecies> sides) {
  if (!Ready(owner, sides, QStringLiteral("Plot"))) return nullptr;
  auto* window = new PlotWindow(std::move(sides), owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

QWidget* OpenTableWindow(QWidget* owner, std::vector<DatabaseSpecies> sides) {
  if (!Ready(owner, sides, QStringLiteral("Table"))) return nullptr;
  auto* window = new PropertyTableWindow(std::move(sides), owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

void InstallPlotLaunchers(QWidget& main_window, MainWindowModel& model) {
  struct FrameButtons {
    const char* frame;
    const char* follows;  // the control the buttons stay beside
    PlotSource source;
    const char* suffix;
    TwipsRect plot, table;
  };
  const FrameButtons frames[] = {
      {"Frm1", "TXT1CP", PlotSource::Db1, "1", kPlotButtonInSideFrame, kTableButtonInSideFrame},
      {"Frm2", "TXT2CP", PlotSource::Db2, "2", kPlotButtonInSideFrame, kTableButtonInSideFrame},
      {"Frm3", "CMD3", PlotSource::Common, "3", kPlotButtonInCompareFrame,
       kTableButtonInCompareFrame},
  };
  QWidget* owner = &main_window;
  MainWindowModel* m = &model;
  for (const FrameButtons& f : frames) {
    const PlotSource source = f.source;
    AddButton(main_window, f.frame, f.follows, QStringLiteral("PlotCmd") + f.suffix,
              QStringLiteral("Plot"), f.plot,
              [owner, m, source] { OpenPlotWindow(owner, SelectedSpecies(*m, source)); });
    AddButton(main_window, f.frame, f.follows, QStringLiteral("TableCmd") + f.suffix,
              QStringLiteral("Table"), f.table,
              [owner, m, source] { OpenTableWindow(owner, SelectedSpecies(*m, source)); });
  }
  for (const char* name : {"LOS1", "LOS2", "LOS3", "LOS4", "LOS5"}) {
    auto* list = main_window.findChild<QListWidget*>(QString::fromLatin1(name));
    if (!list) continue;
    const QString list_name = QString::fromLatin1(name);
    list->viewport()->installEventFilter(new DoubleClickFilter(
        list, [owner, m, list_name] { OpenPlotWindow(owner, SelectedInList(*m, list_name)); }));
  }
}

}  // namespace tabulon::gui
