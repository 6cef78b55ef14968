// The "Dictionaries" dialog: one checkable row per custom dictionary (the
// engine's internal one, files, the word processor's), managed in place.
#include "vl3CustomDictionariesDialog.h"

#include <windows.h>

#include <shellapi.h>

#include "vl3Configuration.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3Layout_win.h"
#include "vl3ListView_win.h"
#include "vl3NewCustomDictionaryDialog.h"
#include "vl3StringList.h"
#include "vl3Util.h"

namespace {

const TFormLayout kDictionariesForm = {"xxDictionaries", 312, 206, TFormBorderStyle::bsDialog,
                                       TPosition::poOwnerFormCenter};

}  // namespace

TCustomDictionariesDialog::TCustomDictionariesDialog(TComponent* owner) : TForm(owner) {
  using F = TCustomDictionariesDialog;
  // clang-format off
  const TLayoutItem controls[] = {
    // member                          left top width height caption                     tab parent         flags                                                       handler
    {VL_CONTROL(CustomGroup),             8,   4, 209, 194, " xxCustom Dictionaries: ",   0},
    {VL_CONTROL(CustomDictionaries_),     8,  18, 193, 168, nullptr,                      0, &CustomGroup,  lfCheckBoxes | lfNoHeader | lfShowSelection | lfEditCaptions},
    {VL_CONTROL(EditButton),            225,  10,  79,  23, "xxEdit",                     1, nullptr,       lfDisabled,                                                 &F::EditButtonClick},
    {VL_CONTROL(DeleteButton),          225,  39,  79,  23, "xxDelete",                   2, nullptr,       lfDisabled,                                                 &F::DeleteButtonClick},
    {VL_CONTROL(NewButton),             225,  68,  79,  23, "xxNew",                      3, nullptr,       lfNone,                                                     &F::NewButtonClick},
    {VL_CONTROL(HelpButton),            225, 146,  79,  23, "xxHelp",                     4, nullptr,       lfNone,                                                     &F::HelpButtonClick},
    {VL_CONTROL(OK),                    225, 175,  79,  23, "xxOK",                       5, nullptr,       lfDefault | lfModalOk},
  };
  // clang-format on
  ApplyLayout(*this, kDictionariesForm, controls);

  CustomDictionaries_->AddColumn("", CustomDictionaries_->ClientRect().Width());
  CustomDictionaries_->OnItemChecked = [this](TComponent*, int32_t index, bool checked) {
    CustomDictionariesChange(index, checked);
  };
  CustomDictionaries_->OnSelectItem = [this](TComponent*, int32_t index, bool selected) {
    CustomDictionariesSelectItem(index, selected);
  };
  CustomDictionaries_->OnEditing = [this](TComponent*, int32_t index, bool& allow) {
    CustomDictionariesEditing(index, allow);
  };
  CustomDictionaries_->OnEdited = [this](TComponent*, int32_t index, std::string& s) {
    CustomDictionariesEdited(index, s);
  };

  DialogControl_ = new TConfigurationDialogCtrl(this);
  DialogControl_->SetName("DialogControl");
  DialogControl_->OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) {
    ConfigurationAvailable();
  };
  AfterConstruction();
}

TListEntry* TCustomDictionariesDialog::Entry(int32_t index) const {
  if (index < 0 || index >= CustomDictionaries_->Count()) return nullptr;
  return reinterpret_cast<TListEntry*>(CustomDictionaries_->Data(index));
}

void TCustomDictionariesDialog::ConfigurationAvailable() {
  TConfigurationDialogCtrl& bridge = *DialogControl_;
  SetCaption(bridge.GetString(lsDictionariesDialogCaption));
  CustomGroup->SetText(bridge.GetString(lsCustomDictionariesGroup));
  EditButton->SetText(bridge.GetString(lsEdit));
  DeleteButton->SetText(bridge.GetString(lsDelete));
  NewButton->SetText(bridge.GetString(lsNew));
  OK->SetText(bridge.GetString(lsOK));
  HelpButton->SetText(bridge.GetString(lsHelp));
  HelpButton->SetVisible(bridge.GetCommandsVisible().Contains(sdcHelp));
  HelpButton->SetEnabled(bridge.GetCommandsEnabled().Contains(sdcHelp));
  EditButton->SetEnabled(false);
  DeleteButton->SetEnabled(false);

  TStringList* files = bridge.GetCustomDictionaryFiles();
  TStringList* wordFiles = bridge.GetMSWordCustomDictionaryFiles();
  TVexlorConfig* config = bridge.Configuration();
  if (files == nullptr || wordFiles == nullptr || config == nullptr) return;
  // Copies: the engine may refresh its lists while rows are added.
  const TStringList names(*files), wordNames(*wordFiles);
  CustomDictionaries_->Clear();

  TCustomDictionary* internal = bridge.GetInternalDictionary();
  if (internal != nullptr && bridge.GetCommandsVisible().Contains(sdcInternalEdit) &&
      (internal->CountIgnored() > 0 || internal->CountAutoCorrect() > 0)) {
    auto entry = std::make_unique<TListEntry>();
    entry->Internal = true;
    AddRow(bridge.GetString(lsInternalDictionaryName), std::move(entry));
  }
  for (int i = 0; i < names.Count(); ++i) {
    auto entry = std::make_unique<TListEntry>();
    entry->FileName = names[i];
    entry->Checked = config->GetCustomDictionaries().IndexOf(names[i]) >= 0;
    entry->Renamable = names[i] == ExtractFileName(names[i]);
    AddRow(ExtractFileName(names[i]), std::move(entry));
  }
  for (int i = 0; i < wordNames.Count(); ++i) {
    auto entry = std::make_unique<TListEntry>();
    entry->WordProcessor = true;
    entry->FileName = wordNames[i];
    entry->Checked = config->GetMSWordCustomDictionaries().IndexOf(wordNames[i]) >= 0;
    AddRow(ExtractFileName(wordNames[i]), std::move(entry));
  }
}

int32_t TCustomDictionariesDialog::AddRow(const std::string& caption,
                                          std::unique_ptr<TListEntry> entry) {
  const bool checked = entry->Checked;
  const int32_t row =
      CustomDictionaries_->AddItem(caption, reinterpret_cast<intptr_t>(entry.get()));
  entries_.push_back(std::move(entry));
  // The entry already holds the state, so this check mark changes nothing.
  CustomDictionaries_->SetChecked(row, checked);
  return row;
}

void TCustomDictionariesDialog::SelectRow(int32_t index) {
  CustomDictionaries_->SetItemIndex(index);
  CustomDictionaries_->SetItemFocused(index);
  CustomDictionaries_->MakeVisible(index);
}

void TCustomDictionariesDialog::CustomDictionariesChange(int32_t index, bool checked) {
  TListEntry* entry = Entry(index);
  if (entry == nullptr) return;
  if (entry->Internal) {
    // The internal dictionary always takes part.
    if (!checked) CustomDictionaries_->SetChecked(index, true);
    return;
  }
  if (checked == entry->Checked) return;
  entry->Checked = checked;
  SelectRow(index);
  if (entry->WordProcessor)
    DialogControl_->SetMSWordCustomDictionaryActive(entry->FileName, checked);
  else
    DialogControl_->SetCustomDictionaryActive(entry->FileName, checked);
}

void TCustomDictionariesDialog::CustomDictionariesSelectItem(int32_t index, bool selected) {
  const TListEntry* entry = Entry(index);
  EditButton->SetEnabled(selected);
  DeleteButton->SetEnabled(selected && entry != nullptr && !entry->Internal &&
                           !entry->WordProcessor);
}

void TCustomDictionariesDialog::CustomDictionariesEditing(int32_t index, bool& allowEdit) {
  const TListEntry* entry = Entry(index);
  allowEdit = entry != nullptr && entry->Renamable && !entry->Internal && !entry->WordProcessor;
  // Enter now ends the edit instead of closing the dialog.
  if (allowEdit) OK->SetDefault(false);
}

void TCustomDictionariesDialog::CustomDictionariesEdited(int32_t index, std::string& s) {
  TListEntry* entry = Entry(index);
  const std::string old = CustomDictionaries_->ItemCaption(index);
  if (entry == nullptr || !DialogControl_->RenameCustomDictionary(old, s)) {
    s = old;
    return;
  }
  // The engine gives the file the dictionary extension; the row names the
  // file as it now is, so that checking, editing and deleting still find it.
  s = BareNameWithExtension(s, ".vlu");
  entry->FileName = s;
}

void TCustomDictionariesDialog::EditButtonClick() {
  const TListEntry* entry = Entry(CustomDictionaries_->ItemFocused());
  if (entry == nullptr) return;
  if (entry->Internal) {
    DialogControl_->ShowEditCustomDictionaryDialog(DialogControl_->GetInternalDictionary());
  } else if (entry->WordProcessor) {
    // Plain word lists: the user's own editor opens them.
    ::ShellExecuteA(Handle(), "open", entry->FileName.c_str(), nullptr,
                    ExtractFileDir(entry->FileName).c_str(), SW_SHOWNORMAL);
  } else if (std::unique_ptr<TCustomDictionary> dictionary =
                 DialogControl_->OpenCustomDictionary(entry->FileName)) {
    DialogControl_->ShowEditCustomDictionaryDialog(dictionary.get());
  }
}

void TCustomDictionariesDialog::DeleteButtonClick() {
  const TListEntry* entry = Entry(CustomDictionaries_->ItemFocused());
  if (entry == nullptr || entry->Internal || entry->WordProcessor) return;
  const std::string text = DialogControl_->GetString(lsDeleteCustomDictionary);
  const std::string caption = DialogControl_->GetString(lsConfirmation);
  if (::MessageBoxA(Handle(), text.c_str(), caption.c_str(), MB_YESNO | MB_ICONEXCLAMATION) !=
      IDYES)
    return;
  DialogControl_->DeleteCustomDictionary(entry->FileName);
  ConfigurationAvailable();
}

void TCustomDictionariesDialog::NewButtonClick() {
  auto dialog = std::make_unique<TNewCustomDictionary>(this);
  dialog->DialogControl()->Attach(DialogControl_->SpellChecker());
  if (dialog->ShowModal() != mrOk) return;
  const std::string name = BareNameWithExtension(dialog->NameEdit()->Text(), ".vlu");
  // A name of nothing but an extension would make a hidden, nameless file.
  if (name == ".vlu") return;
  const int32_t existing = CustomDictionaries_->IndexOfCaption(name);
  if (existing >= 0) {
    SelectRow(existing);
    return;
  }
  DialogControl_->NewCustomDictionary(name);
  ConfigurationAvailable();
  const int32_t row = CustomDictionaries_->IndexOfCaption(name);
  if (row >= 0) SelectRow(row);
  CustomDictionaries_->SetFocus();
}

void TCustomDictionariesDialog::HelpButtonClick() { DialogControl_->ShowDictionariesDialogHelp(); }
