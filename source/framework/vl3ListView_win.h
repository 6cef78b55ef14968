// The list view control in report style: columns, check boxes, whole-row
// selection, in-place caption editing and a data value per row.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3Controls_win.h"

enum class TItemChange : unsigned char { ctText, ctImage, ctState };

using TLVChangeEvent = std::function<void(TComponent* sender, int32_t index, TItemChange change)>;
using TLVSelectItemEvent = std::function<void(TComponent* sender, int32_t index, bool selected)>;
using TLVCheckEvent = std::function<void(TComponent* sender, int32_t index, bool checked)>;
using TLVEditingEvent = std::function<void(TComponent* sender, int32_t index, bool& allowEdit)>;
// s is the typed caption; the row gets s as the handler leaves it.
using TLVEditedEvent = std::function<void(TComponent* sender, int32_t index, std::string& s)>;
// Owner data: the text of row index in column (0: the caption); an index the
// owner does not hold leaves text empty.
using TLVOwnerDataEvent =
    std::function<void(TComponent* sender, int32_t index, int32_t column, std::string& text)>;

class TListView : public TControl {
 public:
  // With OwnerData (fixed when the window is made) the control holds only the
  // number of rows and their states: SetItemCount sets the number, OnData
  // gives each text as it is drawn or read, so that any number of rows fills
  // at once. The owner keeps the texts and their order.
  explicit TListView(TComponent* owner, TParentWindow* parent = nullptr, bool ownerData = false);
  bool OwnerData() const { return ownerData_; }
  void SetItemCount(int32_t value);

  // Style; each can change at any time.
  void SetCheckBoxes(bool value);
  bool CheckBoxes() const { return checkBoxes_; }
  void SetRowSelect(bool value);
  void SetShowColumnHeaders(bool value);
  // False keeps the selection visible while the list has no focus.
  void SetHideSelection(bool value);
  void SetMultiSelect(bool value);
  // Captions editable in place (a click on the selected row, or EditCaption).
  void SetEditCaptions(bool value);
  // New rows go to their place in case-insensitive caption order.
  void SetSortedByCaption(bool value) { sorted_ = value; }

  int32_t AddColumn(const std::string& caption, int32_t width);
  int32_t ColumnCount() const;
  void SetColumnCaption(int32_t column, const std::string& caption);
  int32_t ColumnWidth(int32_t column) const;
  // kAutoSize fits the contents.
  void SetColumnWidth(int32_t column, int32_t width);
  static constexpr int32_t kAutoSize = -1;

  int32_t Count() const;
  // Returns the row's index.
  int32_t AddItem(const std::string& caption, intptr_t data = 0);
  void DeleteItem(int32_t index);
  void Clear();
  std::string ItemCaption(int32_t index) const;
  void SetItemCaption(int32_t index, const std::string& caption);
  // Column 1 is the first sub-item.
  std::string SubItem(int32_t index, int32_t column) const;
  // With OwnerData the owner changed the text already: the row is redrawn.
  void SetSubItem(int32_t index, int32_t column, const std::string& text);
  intptr_t Data(int32_t index) const;
  void SetData(int32_t index, intptr_t value);
  // Case-insensitive, -1 when absent.
  int32_t IndexOfCaption(const std::string& caption) const;

  bool Checked(int32_t index) const;
  void SetChecked(int32_t index, bool value);
  bool Selected(int32_t index) const;
  void SetSelected(int32_t index, bool value);
  // The first selected row, -1 when none; setting it selects that row only.
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t index);
  int32_t ItemFocused() const;
  void SetItemFocused(int32_t index);
  void MakeVisible(int32_t index);
  // Client rectangle of a row (its caption only with LabelOnly).
  TRect ItemRect(int32_t index, bool labelOnly) const;
  // The row at a client point, -1 when none.
  int32_t ItemAt(int32_t x, int32_t y) const;
  int32_t TopItem() const;
  void Scroll(int32_t dx, int32_t dy);
  // Suspends drawing while many rows change.
  void BeginUpdate();
  void EndUpdate();
  void EditCaption(int32_t index);
  bool IsEditing() const;

  TLVChangeEvent OnChange;  // any state or text change of a row
  // Index is -1 when a list of owner data changed every row at once.
  TLVSelectItemEvent OnSelectItem;
  TLVCheckEvent OnItemChecked;  // the user or code changed a check mark
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;
  TLVOwnerDataEvent OnData;

  bool Notify(tagNMHDR* header, intptr_t& result) override;
  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;

 private:
  void SetStyleBit(uint32_t bit, bool on);
  void SetExStyleBit(uint32_t bit, bool on);
  std::string OwnerText(int32_t index, int32_t column) const;
  bool checkBoxes_ = false, sorted_ = false, ownerData_ = false;
  int32_t updating_ = 0;
  TTypeAhead typeAhead_;
};
