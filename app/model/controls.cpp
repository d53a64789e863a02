// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/controls.h"

#include <algorithm>
#include <iterator>

#include "common/failure.h"

namespace tabulon {

bool ListOrderLess(std::string_view a, std::string_view b) {
  // std::char_traits<char> compares bytes as unsigned char, the order the lists keep.
  return a < b;
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Touch();
}

void Label::SetCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Touch();
}

void TextBox::SetText(std::string_view text) {
  if (text_ == text) return;
  text_ = text;
  Touch();
  if (on_change_) on_change_();
}

void TextBox::SetTextWithoutReaction(std::string_view text) {
  if (text_ == text) return;
  text_ = text;
  Touch();
}

void TextBox::SetForeColour(Colour colour) {
  if (fore_ == colour) return;
  fore_ = colour;
  Touch();
}

void TextBox::SetBackColour(Colour colour) {
  if (back_ == colour) return;
  back_ = colour;
  Touch();
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Touch();
}

void Button::Click() {
  if (on_click_) on_click_();
}

void ListBox::Clear() {
  if (items_.empty() && pending_.empty() && selected_ == kNoSelection) return;
  items_.clear();
  pending_.clear();
  selected_ = kNoSelection;
  Touch();
}

void ListBox::AddItem(std::string item) {
  pending_.push_back(std::move(item));
  Touch();
}

void ListBox::AddItems(std::vector<std::string> items) {
  if (items.empty()) return;
  if (!std::is_sorted(items.begin(), items.end())) std::sort(items.begin(), items.end());
  Settle();
  MergeSorted(items);
  Touch();
}

void ListBox::Settle() const {
  if (pending_.empty()) return;
  std::sort(pending_.begin(), pending_.end());
  MergeSorted(pending_);
}

void ListBox::MergeSorted(std::vector<std::string>& sorted) const {
  if (selected_ != kNoSelection) {
    // Equal texts are identical, so the selection only has to keep its text: it moves down by
    // the number of new items that sort before it.
    const std::string& chosen = items_[static_cast<std::size_t>(selected_)];
    selected_ +=
        static_cast<int>(std::upper_bound(sorted.begin(), sorted.end(), chosen) - sorted.begin());
  }
  std::size_t old_size = items_.size();
  items_.insert(items_.end(), std::make_move_iterator(sorted.begin()),
                std::make_move_iterator(sorted.end()));
  sorted.clear();
  std::inplace_merge(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(old_size),
                     items_.end());
}

void ListBox::RemoveItem(int index) {
  Settle();
  if (index < 0 || index >= static_cast<int>(items_.size())) {
    throw Failure(FailureKind::InvalidListPosition,
                  "no item at position " + std::to_string(index) + " of " + Name());
  }
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = kNoSelection;
  } else if (selected_ > index) {
    --selected_;
  }
  Touch();
}

void ListBox::RemoveItems(const std::vector<int>& ascending_indices) {
  if (ascending_indices.empty()) return;
  Settle();
  const int size = static_cast<int>(items_.size());
  for (int index : ascending_indices) {
    if (index < 0 || index >= size) {
      throw Failure(FailureKind::InvalidListPosition,
                    "no item at position " + std::to_string(index) + " of " + Name());
    }
  }
  std::size_t next = 0;  // next position in ascending_indices
  std::size_t kept = 0;
  int new_selected = kNoSelection;
  for (int i = 0; i < size; ++i) {
    if (next < ascending_indices.size() && ascending_indices[next] == i) {
      while (next < ascending_indices.size() && ascending_indices[next] == i) ++next;
      continue;
    }
    if (i == selected_) new_selected = static_cast<int>(kept);
    if (kept != static_cast<std::size_t>(i)) items_[kept] = std::move(items_[i]);
    ++kept;
  }
  items_.resize(kept);
  selected_ = new_selected;
  Touch();
}

int ListBox::Count() const {
  return static_cast<int>(items_.size() + pending_.size());
}

const std::string& ListBox::Item(int index) const {
  static const std::string kEmpty;
  if (index < 0) {
    throw Failure(FailureKind::InvalidListPosition,
                  "no item at position " + std::to_string(index) + " of " + Name());
  }
  Settle();
  if (index >= static_cast<int>(items_.size())) return kEmpty;
  return items_[static_cast<std::size_t>(index)];
}

const std::vector<std::string>& ListBox::Items() const {
  Settle();
  return items_;
}

int ListBox::SelectedIndex() const {
  Settle();
  return selected_;
}

std::string ListBox::SelectedText() const {
  Settle();
  return selected_ == kNoSelection ? std::string() : items_[static_cast<std::size_t>(selected_)];
}

int ListBox::IndexOf(std::string_view name) const {
  Settle();
  auto found = std::lower_bound(
      items_.begin(), items_.end(), name,
      [](const std::string& item, std::string_view wanted) { return ListOrderLess(item, wanted); });
  if (found == items_.end() || *found != name) return kNoSelection;
  return static_cast<int>(found - items_.begin());
}

void ListBox::SelectByName(std::string_view name) {
  const int index = IndexOf(name);
  if (index != kNoSelection) ClickAt(index);
}

void ListBox::SelectWithoutReaction(std::string_view name) {
  const int index = IndexOf(name);
  if (index == kNoSelection || selected_ == index) return;
  selected_ = index;
  Touch();
}

void ListBox::ClickAt(int index) {
  Settle();
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  if (selected_ != index) {
    selected_ = index;
    Touch();
  }
  if (on_click_) on_click_();
}

}  // namespace tabulon
