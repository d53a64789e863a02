// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "tests/compare_fixture.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using tabulon::testing::DatabaseText;
using tabulon::testing::GasFields;
using tabulon::testing::GasRecord;
using tabulon::testing::TempDir;

// 7,000 species with names of real shape: a formula core and a numbered isomer tag. The a1 of
// each is unique, so a wrong record shows as a wrong coefficient.
std::string GeneratedDatabase(std::vector<std::string>& names) {
  const char* cores[] = {"CH4", "H2O", "C2H5OH", "NO2", "C3H8", "OH", "C6H6"};
  std::vector<std::string> records;
  for (int i = 0; i < 7000; ++i) {
    const std::string name = std::string(cores[i % 7]) + "-" + std::to_string(i);
    names.push_back(name);
    char a1[32];
    std::snprintf(a1, sizeof a1, "%.8E", 2.5 + i * 1e-4);
    records.push_back(GasRecord(name, GasFields(a1)));
  }
  return DatabaseText(records);
}

class SpeciesFilterTest : public WindowTest {
 protected:
  SpeciesFilterTest() {
    path = dir.Write("big.dat", GeneratedDatabase(names));
    platform.file_answers.push_back(path);
    QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
    list = Find<QListWidget>("LOS1");
    filter = Find<QLineEdit>("LOS1Filter");
  }

  // The list the user sees: the filtered rows while a filter is set, else the full list.
  QAbstractItemView* Shown() const {
    auto* filtered = list->findChild<QListView*>("LOS1Filtered");
    return filtered != nullptr && filtered->isVisible() ? filtered : list;
  }

  // The rows shown, as positions in the model's list.
  std::vector<int> ShownRows() const {
    std::vector<int> rows;
    const QAbstractItemModel* shown = Shown()->model();
    for (int r = 0; r < shown->rowCount(); ++r) {
      const std::string name = shown->index(r, 0).data().toString().toStdString();
      const auto& items = model.LOS1.Items();
      rows.push_back(static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    }
    return rows;
  }

  // Clicks the n-th row shown.
  void ClickShown(int n) {
    QAbstractItemView* shown = Shown();
    const QModelIndex index = shown->model()->index(n, 0);
    shown->scrollTo(index);
    QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, shown->visualRect(index).center());
  }

  // What the detail view of DB #1 shows.
  std::vector<std::string> Detail() const {
    std::vector<std::string> shown = {model.LOS1.SelectedText(), model.Lbl8.Caption()};
    for (int i = 0; i < 14; ++i) shown.push_back(model.PropTxt[i].Text());
    return shown;
  }

  TempDir dir;
  std::vector<std::string> names;
  std::string path;
  QListWidget* list = nullptr;
  QLineEdit* filter = nullptr;
};

TEST_F(SpeciesFilterTest, ShowsTheRowsContainingTheTextWhateverItsCase) {
  ASSERT_EQ(list->count(), 7000);
  struct Case {
    const char* typed;
    std::size_t shown;  // 0 for "as many as contain it"
  };
  // Names of i % 7 == 1 are H2O; OH stands in OH and C2H5OH.
  for (const Case& c : {Case{"h2o", 1000}, Case{"H2O-13", 0}, Case{"oh", 2000},
                        Case{"c2h5oh-6995", 0}, Case{"xe", 0}, Case{"", 7000}}) {
    filter->clear();
    QTest::keyClicks(filter, c.typed);
    const QString typed = QString(c.typed).toUpper();
    std::vector<int> expected;
    for (int i = 0; i < 7000; ++i) {
      if (QString::fromStdString(model.LOS1.Item(i)).contains(typed)) expected.push_back(i);
    }
    if (c.shown != 0) {
      EXPECT_EQ(expected.size(), c.shown) << c.typed;
    }
    EXPECT_EQ(ShownRows(), expected) << c.typed;
    EXPECT_EQ(Find<QLabel>("LOS1Shown")->text(),
              *c.typed ? QString("%1 shown").arg(expected.size()) : QString())
        << c.typed;
    // The count caption keeps the database's count.
    EXPECT_EQ(Find<QLabel>("List1Nbr")->text(), "(7000)");
  }
}

TEST_F(SpeciesFilterTest, ChoosingInTheFilteredListIsChoosingInTheFullList) {
  QTest::keyClicks(filter, "c6h6-69");
  const std::vector<int> shown = ShownRows();
  ASSERT_GE(shown.size(), 4u);

  // A click on the third shown row.
  ClickShown(2);
  const std::vector<std::string> filtered_click = Detail();
  EXPECT_EQ(filtered_click[0], model.LOS1.Item(shown[2]));

  // The same name clicked in the full list shows the same, coefficients included.
  filter->clear();
  model.LOS1.SelectByName("H2O-1");  // anything else in between
  view->Refresh();
  ClickShown(shown[2]);
  EXPECT_EQ(Detail(), filtered_click);
  ClickShown(shown[2]);  // a click on the chosen row is a click all the same
  EXPECT_EQ(Detail(), filtered_click);

  // Down in a filtered list goes to the next shown row and chooses it.
  QTest::keyClicks(filter, "c6h6-69");
  EXPECT_EQ(Shown()->currentIndex().row(), 2) << "the chosen row is shown chosen";
  list->setFocus();
  QTest::keyClick(Shown(), Qt::Key_Down);
  EXPECT_EQ(model.LOS1.SelectedText(), model.LOS1.Item(shown[3]));
  EXPECT_EQ(list->currentRow(), shown[3]);
  EXPECT_EQ(Shown()->currentIndex().row(), 3);
  // Tab goes on from the list to the control after it.
  QTest::keyClick(Shown(), Qt::Key_Tab);
  EXPECT_TRUE(Find("CMD1")->hasFocus());

  // A species chosen by code that the filter hides is chosen, but no shown row is.
  model.LOS1.SelectByName("H2O-1");
  view->Refresh();
  EXPECT_FALSE(Shown()->currentIndex().isValid());
  EXPECT_TRUE(Shown()->selectionModel()->selectedIndexes().isEmpty());

  // Enter in the field chooses the first shown row; Down moves into the list.
  filter->setFocus();
  QTest::keyClick(filter, Qt::Key_Return);
  EXPECT_EQ(model.LOS1.SelectedText(), model.LOS1.Item(shown[0]));
  QTest::keyClick(filter, Qt::Key_Down);
  EXPECT_TRUE(Shown()->hasFocus());
  EXPECT_EQ(model.LOS1.SelectedText(), model.LOS1.Item(shown[0]));
}

TEST_F(SpeciesFilterTest, ALoadWithAFilterSetFiltersTheNewList) {
  QTest::keyClicks(filter, "oh-1");
  const std::vector<int> big = ShownRows();
  const struct {
    std::string path;
    int count;
    std::vector<int> shown;  // as positions in the new list
  } loads[] = {
      {path, 7000, big},
      {dir.Write("small.dat", DatabaseText({GasRecord("OH-1"), GasRecord("CH4"),
                                            GasRecord("C2H5OH-12"), GasRecord("OH")})),
       4,
       {0, 3}},  // C2H5OH-12 and OH-1 of C2H5OH-12, CH4, OH, OH-1
      {path, 7000, big},
  };
  for (const auto& load : loads) {
    platform.file_answers.push_back(load.path);
    QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
    EXPECT_EQ(list->count(), load.count);
    EXPECT_EQ(ShownRows(), load.shown);
    EXPECT_EQ(Find<QLabel>("LOS1Shown")->text(), QString("%1 shown").arg(load.shown.size()));
  }

  filter->clear();
  EXPECT_EQ(Shown(), list);
  EXPECT_EQ(ShownRows().size(), 7000u);
  EXPECT_EQ(Find<QLabel>("LOS1Shown")->text(), "");
}

}  // namespace
}  // namespace tabulon::gui::testing
