// The list view control in report style: columns, check boxes, whole-row
// selection, in-place caption editing and a data value per row.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3Controls_win.h"

enum class TItemChange : unsigned char { ctText, ctImage, ctState };

using TLVChangeEvent = std::function<void(TComponent* Sender, int32_t Index, TItemChange Change)>;
using TLVSelectItemEvent = std::function<void(TComponent* Sender, int32_t Index, bool Selected)>;
using TLVCheckEvent = std::function<void(TComponent* Sender, int32_t Index, bool Checked)>;
using TLVEditingEvent = std::function<void(TComponent* Sender, int32_t Index, bool& AllowEdit)>;
// S is the typed caption; the row gets S as the handler leaves it.
using TLVEditedEvent = std::function<void(TComponent* Sender, int32_t Index, std::string& S)>;
// Owner data: the text of row Index in Column (0: the caption); an index the
// owner does not hold leaves Text empty.
using TLVOwnerDataEvent =
    std::function<void(TComponent* Sender, int32_t Index, int32_t Column, std::string& Text)>;

class TListView : public TControl {
 public:
  // With OwnerData (fixed when the window is made) the control holds only the
  // number of rows and their states: SetItemCount sets the number, OnData
  // gives each text as it is drawn or read, so that any number of rows fills
  // at once. The owner keeps the texts and their order.
  explicit TListView(TComponent* AOwner, TParentWindow* AParent = nullptr, bool OwnerData = false);
  bool OwnerData() const { return ownerData_; }
  void SetItemCount(int32_t Value);

  // Style; each can change at any time.
  void SetCheckBoxes(bool Value);
  bool CheckBoxes() const { return checkBoxes_; }
  void SetRowSelect(bool Value);
  void SetShowColumnHeaders(bool Value);
  // False keeps the selection visible while the list has no focus.
  void SetHideSelection(bool Value);
  void SetMultiSelect(bool Value);
  // Captions editable in place (a click on the selected row, or EditCaption).
  void SetEditCaptions(bool Value);
  // New rows go to their place in case-insensitive caption order.
  void SetSortedByCaption(bool Value) { sorted_ = Value; }

  int32_t AddColumn(const std::string& Caption, int32_t Width);
  int32_t ColumnCount() const;
  void SetColumnCaption(int32_t Column, const std::string& Caption);
  int32_t ColumnWidth(int32_t Column) const;
  // kAutoSize fits the contents.
  void SetColumnWidth(int32_t Column, int32_t Width);
  static constexpr int32_t kAutoSize = -1;

  int32_t Count() const;
  // Returns the row's index.
  int32_t AddItem(const std::string& Caption, intptr_t Data = 0);
  void DeleteItem(int32_t Index);
  void Clear();
  std::string ItemCaption(int32_t Index) const;
  void SetItemCaption(int32_t Index, const std::string& Caption);
  // Column 1 is the first sub-item.
  std::string SubItem(int32_t Index, int32_t Column) const;
  // With OwnerData the owner changed the text already: the row is redrawn.
  void SetSubItem(int32_t Index, int32_t Column, const std::string& Text);
  intptr_t Data(int32_t Index) const;
  void SetData(int32_t Index, intptr_t Value);
  // Case-insensitive, -1 when absent.
  int32_t IndexOfCaption(const std::string& Caption) const;

  bool Checked(int32_t Index) const;
  void SetChecked(int32_t Index, bool Value);
  bool Selected(int32_t Index) const;
  void SetSelected(int32_t Index, bool Value);
  // The first selected row, -1 when none; setting it selects that row only.
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t Index);
  int32_t ItemFocused() const;
  void SetItemFocused(int32_t Index);
  void MakeVisible(int32_t Index);
  // Client rectangle of a row (its caption only with LabelOnly).
  TRect ItemRect(int32_t Index, bool LabelOnly) const;
  // The row at a client point, -1 when none.
  int32_t ItemAt(int32_t X, int32_t Y) const;
  int32_t TopItem() const;
  void Scroll(int32_t DX, int32_t DY);
  // Suspends drawing while many rows change.
  void BeginUpdate();
  void EndUpdate();
  void EditCaption(int32_t Index);
  bool IsEditing() const;

  TLVChangeEvent OnChange;  // any state or text change of a row
  // Index is -1 when a list of owner data changed every row at once.
  TLVSelectItemEvent OnSelectItem;
  TLVCheckEvent OnItemChecked;  // the user or code changed a check mark
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;
  TLVOwnerDataEvent OnData;

  bool Notify(tagNMHDR* Header, intptr_t& Result) override;
  bool WndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam, intptr_t& Result) override;

 private:
  void SetStyleBit(uint32_t Bit, bool On);
  void SetExStyleBit(uint32_t Bit, bool On);
  std::string OwnerText(int32_t Index, int32_t Column) const;
  bool checkBoxes_ = false, sorted_ = false, ownerData_ = false;
  int32_t updating_ = 0;
  TTypeAhead typeAhead_;
};
