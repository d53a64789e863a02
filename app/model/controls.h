// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

// The colours that the logic gives to controls. The platform ones are named, not valued: the
// view paints them with the desktop's own colours.
enum class Colour {
  Window,          // text-box background (system colour of window backgrounds)
  WindowText,      // usual text colour
  ButtonText,      // the "normal" colour of the second result boxes
  InactiveBorder,  // light-grey background of the result boxes
  Red,             // 255, 0, 0: a second result that disagrees
  Yellow,          // 255, 255, 0: a DB #1 coefficient that differs from DB #2's
};

// The window model: plain objects named and behaving as the controls of the main window, so the
// logic runs the same under the Qt window, in tabulon-batch and in tests. Each control counts
// its changes in a revision number; the view compares revisions to learn what to repaint and
// never keeps state of its own.
class Control {
 public:
  explicit Control(std::string name, bool visible = true)
      : name_(std::move(name)), visible_(visible) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  std::uint64_t Revision() const { return revision_; }

 protected:
  void Touch() { ++revision_; }

 private:
  std::string name_;
  bool visible_;
  std::uint64_t revision_ = 0;
};

// A label, or a frame's caption.
class Label : public Control {
 public:
  Label(std::string name, std::string caption = {}, bool visible = true)
      : Control(std::move(name), visible), caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

 private:
  std::string caption_;
};

// A single-line text box. Its change reaction runs, before SetText returns, whenever the text
// actually changes: typed by the user (the view calls SetText) or set by code.
class TextBox : public Control {
 public:
  explicit TextBox(std::string name, bool visible = true) : Control(std::move(name), visible) {}

  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);
  // Sets the text without running the change reaction: for a text whose reaction has already
  // been run on values (a temperature field written back by its reaction or by a report).
  void SetTextWithoutReaction(std::string_view text);
  void OnChange(std::function<void()> reaction) { on_change_ = std::move(reaction); }

  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour colour);
  Colour BackColour() const { return back_; }
  void SetBackColour(Colour colour);

 private:
  std::string text_;
  Colour fore_ = Colour::WindowText;
  Colour back_ = Colour::Window;
  std::function<void()> on_change_;
};

class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name) : Control(std::move(name)) {}
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 private:
  bool checked_ = false;
};

class Button : public Control {
 public:
  Button(std::string name, std::string caption, bool visible = true)
      : Control(std::move(name), visible), caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void OnClick(std::function<void()> reaction) { on_click_ = std::move(reaction); }
  void Click();

 private:
  std::string caption_;
  std::function<void()> on_click_;
};

// An image (the thermometer): only shown or hidden.
class Image : public Control {
 public:
  explicit Image(std::string name, bool visible = true) : Control(std::move(name), visible) {}
};

// A list box that keeps its items sorted by ascending unsigned byte value (the empty text
// first). Items added one by one are merged into place lazily, at the next read, so filling a
// list with n names costs n log n rather than n squared.
class ListBox : public Control {
 public:
  static constexpr int kNoSelection = -1;

  explicit ListBox(std::string name) : Control(std::move(name)) {}

  void Clear();
  void AddItem(std::string item);
  // Adds many items at once: the same as AddItem for each, without sorting them again when they
  // come in order already.
  void AddItems(std::vector<std::string> items);
  // Throws Failure(InvalidListPosition) when index is not a position of the list.
  void RemoveItem(int index);
  // Removes the items at the given positions (ascending, each a position of the list as it is
  // before the call) in one pass; the same as RemoveItem from the highest position down.
  void RemoveItems(const std::vector<int>& ascending_indices);

  int Count() const;
  // The item at index; the empty text for an index at or past the end. Throws
  // Failure(InvalidListPosition) for a negative index.
  const std::string& Item(int index) const;
  // All items in list order.
  const std::vector<std::string>& Items() const;

  int SelectedIndex() const;
  // The text of the selected item; empty when none is selected.
  std::string SelectedText() const;

  // Selects the first item equal to `name` and runs the click reaction before returning, also
  // when that item was already selected. A name the list does not hold does nothing.
  void SelectByName(std::string_view name);
  // Selects the first item equal to `name` without running the click reaction: for a selection
  // whose outcome has been computed elsewhere (the species a report run ends on).
  void SelectWithoutReaction(std::string_view name);
  // A user's click (or keyboard selection) on the item at index: selects it and runs the click
  // reaction. An index outside the list does nothing.
  void ClickAt(int index);
  void OnClick(std::function<void()> reaction) { on_click_ = std::move(reaction); }

 private:
  void Settle() const;
  // Merges `sorted` (in order, emptied) into the items, keeping the selection on its text.
  void MergeSorted(std::vector<std::string>& sorted) const;
  // The position of the first item equal to `name`; kNoSelection when there is none.
  int IndexOf(std::string_view name) const;

  mutable std::vector<std::string> items_;    // sorted
  mutable std::vector<std::string> pending_;  // added, not yet merged into items_
  mutable int selected_ = kNoSelection;
  std::function<void()> on_click_;
};

// A control array, indexed from 0 as PropTxt(0) to PropTxt(27); item i is named "Name(i)".
template <typename ControlType>
class ControlArray {
 public:
  ControlArray(const std::string& name, int size) {
    for (int i = 0; i < size; ++i) {
      items_.push_back(std::make_unique<ControlType>(name + "(" + std::to_string(i) + ")"));
    }
  }
  ControlType& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
  const ControlType& operator[](int index) const {
    return *items_.at(static_cast<std::size_t>(index));
  }
  int Size() const { return static_cast<int>(items_.size()); }

 private:
  std::vector<std::unique_ptr<ControlType>> items_;
};

// Byte order of the sorted lists: unsigned byte values, shorter prefix first.
bool ListOrderLess(std::string_view a, std::string_view b);

}  // namespace tabulon
