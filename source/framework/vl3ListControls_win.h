// List boxes and drop-down lists of the form layer: one item list over the
// system's list box and combo box, with virtual lists that type ahead.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vl3ControlBase_win.h"
#include "vl3TypeAhead.h"

namespace VxWin {
// Where value goes in a list of count items kept in case-insensitive order
// (after equal items).
int32_t SortedPosition(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                       const std::string& value);
}  // namespace VxWin

// The item list that list boxes and drop-down lists share; they differ only
// in the messages that reach their items.
class TCustomListControl : public TControl {
 public:
  int32_t Count() const;
  std::string Items(int32_t index) const;
  // Returns the index the item got (its sorted place in a sorted list). In
  // a list of owner data the owner placed the item already: Add appends a
  // row and Insert puts one at index, whatever the order.
  int32_t Add(const std::string& value);
  void Insert(int32_t index, const std::string& value);
  void Delete(int32_t index);
  void Clear();
  void SetItems(const std::vector<std::string>& values);
  // Case-insensitive exact match, -1 when absent.
  int32_t IndexOf(const std::string& value) const;
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t value);

  // The messages of one kind of list.
  struct TMessages {
    uint32_t Count, TextLength, Text, Insert, Delete, Reset, GetSelection, SetSelection;
  };

 protected:
  TCustomListControl(TComponent* owner, TParentWindow* parent, const TMessages& messages);
  // The text of an item whose text the control does not hold.
  virtual std::string OwnerItem(int32_t index) const {
    (void)index;
    return std::string();
  }
  bool sorted_ = false;
  bool ownerData_ = false;  // the control holds only the number of items

 private:
  const TMessages& messages_;
};

// lbVirtual: the control holds only the number of items (SetCount) and asks
// OnData for each text it draws or reads, so that a list of any length fills
// at once; the owner keeps the texts and tells of each row added or deleted.
enum class TListBoxStyle : unsigned char { lbStandard, lbVirtual };
// An index the owner does not hold leaves data empty.
using TLBGetDataEvent = std::function<void(TComponent* control, int32_t index, std::string& data)>;

class TListBox : public TCustomListControl {
 public:
  // The style is fixed when the window is made.
  explicit TListBox(TComponent* owner, TParentWindow* parent = nullptr,
                    TListBoxStyle style = TListBoxStyle::lbStandard);
  TListBoxStyle Style() const { return style_; }
  // Sorted lists keep their items in case-insensitive order; a virtual list
  // only learns that its owner gives them so (typing then finds by halving).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // Virtual lists: the number of rows.
  void SetCount(int32_t value);
  void Command(uint16_t code) override;
  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
  bool DrawItem(tagDRAWITEMSTRUCT* item) override;
  TLBGetDataEvent OnData;

 protected:
  std::string OwnerItem(int32_t index) const override;
  void FontChanged() override;

 private:
  void FitItemHeight();
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  TTypeAhead typeAhead_;
};

// A drop-down list without free text.
class TComboBox : public TCustomListControl {
 public:
  explicit TComboBox(TComponent* owner, TParentWindow* parent = nullptr);
  // The selected item.
  std::string Text() const override;
  void Command(uint16_t code) override;
  // The user picked an item.
  TNotifyEvent OnChange;
};
