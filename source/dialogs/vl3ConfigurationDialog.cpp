// The "Spelling Options" dialog: every click goes straight to the engine's
// configuration object, which stores it and tells the engine.
#include "vl3ConfigurationDialog.h"

#include <windows.h>

#include <memory>
#include <string>

#include "vl3Configuration.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Layout_win.h"
#include "vl3ListView_win.h"
#include "vl3MainDictionary.h"
#include "vl3StringList.h"

namespace {

const TFormLayout kConfigForm = {"xxSpelling Options", 320, 397, TFormBorderStyle::bsDialog,
                                 TPosition::poOwnerFormCenter};

const int32_t kNameColumnWidth = 130;
// A list with more rows than this shows a vertical scroll bar.
const int32_t kRowsWithoutScrollBar = 4;

int32_t Bottom(const TControl* control) { return control->Top() + control->Height(); }

}  // namespace

TSpellCheckConfigDialog::TSpellCheckConfigDialog(TComponent* owner) : TForm(owner) {
  using F = TSpellCheckConfigDialog;
  // clang-format off
  const TLayoutItem controls[] = {
    // member                          left top  width height caption               tab parent               flags                                         focus / handler
    {VL_CONTROL(OptionsGroup),            8,   8, 305, 185, " xxOptions: ",          0},
    {Options[0], "Option1",              10,  16, 285,  16, "Option1",               0, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[1], "Option2",              10,  32, 285,  16, "Option2",               1, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[2], "Option3",              10,  48, 285,  16, "Option3",               2, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[3], "Option4",              10,  64, 285,  16, "Option4",               3, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[4], "Option5",              10,  80, 285,  16, "Option5",               4, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[5], "Option6",              10,  96, 285,  16, "Option6",               5, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[6], "Option7",              10, 112, 285,  16, "Option7",               6, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[7], "Option8",              10, 128, 285,  16, "Option8",               7, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[8], "Option9",              10, 144, 285,  16, "Option9",               8, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {Options[9], "Option10",             10, 160, 285,  16, "Option10",              9, &OptionsGroup,         lfNone,                                       &F::OptionsClick},
    {VL_CONTROL(DictionariesGroup),       8, 200, 305, 161, " xxDictionaries: ",     1},
    {VL_CONTROL(MainDictionaries),        8,  18, 289,  82, nullptr,                 0, &DictionariesGroup,  lfCheckBoxes | lfRowSelect | lfReadOnly},
    {VL_CONTROL(CustomLabel),             8, 108, 180,  13, "xxCustom Dictionary:", -1, &DictionariesGroup,  lfNone,                                       &CustomCombo},
    {VL_CONTROL(CustomCombo),             8, 124, 186,  21, nullptr,                 1, &DictionariesGroup,  lfNone,                                       &F::CustomComboChange},
    {VL_CONTROL(DictionariesButton),    202, 123,  95,  23, "xxDictionaries ...",    2, &DictionariesGroup,  lfNone,                                       &F::DictionariesButtonClick},
    {VL_CONTROL(ResetButton),             8, 368,  95,  23, "xxxReset Defaults",     2, nullptr,             lfNone,                                       &F::ResetButtonClick},
    {VL_CONTROL(HelpButton),            157, 368,  75,  23, "xxHelp",                3, nullptr,             lfNone,                                       &F::HelpButtonClick},
    {VL_CONTROL(OK),                    238, 368,  75,  23, "xx&OK",                 4, nullptr,             lfDefault | lfModalOk},
  };
  // clang-format on
  static_assert(kOptionRows == 10, "one row per option box");
  ApplyLayout(*this, kConfigForm, controls);

  MainDictionaries->AddColumn("xxName", kNameColumnWidth);
  MainDictionaries->AddColumn("xxFilename", 100);
  MainDictionaries->OnItemChecked = [this](TComponent*, int32_t index, bool checked) {
    MainDictionariesChange(index, checked);
  };
  MainDictionaries->OnClick = [this](TComponent*) { MainDictionariesClick(); };
  MainDictionaries->OnSelectItem = [this](TComponent*, int32_t index, bool selected) {
    MainDictionariesSelectItem(index, selected);
  };
  OnShow = [this](TCustomForm*) { FormShow(); };

  DialogControl_ = new TConfigurationDialogCtrl(this);
  DialogControl_->SetName("DialogControl");
  DialogControl_->OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) {
    ConfigurationAvailable();
  };
  AfterConstruction();
}

void TSpellCheckConfigDialog::ConfigurationAvailable() {
  TConfigurationDialogCtrl& bridge = *DialogControl_;
  SetCaption(bridge.GetString(lsConfigDialogCaption));
  OptionsGroup->SetText(bridge.GetString(lsOptionsGroup));
  DictionariesGroup->SetText(bridge.GetString(lsDictionariesGroup));
  MainDictionaries->SetColumnCaption(0, bridge.GetString(lsNameColumn));
  MainDictionaries->SetColumnCaption(1, bridge.GetString(lsFilenameColumn));
  CustomLabel->SetText(bridge.GetString(lsCustomDictionary));
  DictionariesButton->SetText(bridge.GetString(lsDictionariesButton));
  HelpButton->SetText(bridge.GetString(lsHelp));
  ResetButton->SetText(bridge.GetString(lsResetDefaults));
  OK->SetText(bridge.GetString(lsOK));

  const TSpellDialogCommands visible = bridge.GetCommandsVisible();
  DictionariesButton->SetVisible(visible.Contains(sdcCustomDictionaries));
  CustomCombo->SetVisible(visible.Contains(sdcCustomDictionary));
  CustomLabel->SetVisible(CustomCombo->Visible());
  ResetButton->SetVisible(visible.Contains(sdcResetDefaults));
  OK->SetVisible(visible.Contains(sdcConfigOK));
  HelpButton->SetVisible(visible.Contains(sdcHelp));

  const TSpellDialogCommands enabled = bridge.GetCommandsEnabled();
  DictionariesButton->SetEnabled(enabled.Contains(sdcCustomDictionaries));
  CustomCombo->SetEnabled(enabled.Contains(sdcCustomDictionary));
  ResetButton->SetEnabled(enabled.Contains(sdcResetDefaults));
  OK->SetEnabled(enabled.Contains(sdcConfigOK));
  HelpButton->SetEnabled(enabled.Contains(sdcHelp));

  // Space that hidden commands leave goes to the lists above them.
  if (!DictionariesButton->Visible() && !CustomCombo->Visible())
    MainDictionaries->SetHeight(Bottom(DictionariesButton) - MainDictionaries->Top());
  if (!OK->Visible() && !HelpButton->Visible())
    DictionariesGroup->SetHeight(Bottom(OK) - DictionariesGroup->Top());

  FillMainDictionaries();
  FillCustomCombo();
  const int32_t shrink = FillOptions() * (Options[1]->Top() - Options[0]->Top());
  if (shrink > 0) {
    OptionsGroup->SetHeight(OptionsGroup->Height() - shrink);
    for (TControl* control : {static_cast<TControl*>(DictionariesGroup),
                              static_cast<TControl*>(ResetButton),
                              static_cast<TControl*>(HelpButton), static_cast<TControl*>(OK)})
      control->SetTop(control->Top() - shrink);
    SetClientHeight(ClientHeight() - shrink);
  }
  // From here on the form may be resized (embedded in a host's page): the
  // dictionaries take what the options leave.
  using A = TAnchorKind;
  OptionsGroup->SetAnchors({A::akLeft, A::akTop, A::akRight});
  DictionariesGroup->SetAnchors({A::akLeft, A::akTop, A::akRight, A::akBottom});
  MainDictionaries->SetAnchors({A::akLeft, A::akTop, A::akRight, A::akBottom});
  CustomLabel->SetAnchors({A::akLeft, A::akBottom});
  CustomCombo->SetAnchors({A::akLeft, A::akRight, A::akBottom});
  DictionariesButton->SetAnchors({A::akRight, A::akBottom});
  ResetButton->SetAnchors({A::akLeft, A::akBottom});
  HelpButton->SetAnchors({A::akRight, A::akBottom});
  OK->SetAnchors({A::akRight, A::akBottom});
}

void TSpellCheckConfigDialog::FormShow() { FitFilenameColumn(); }

int TSpellCheckConfigDialog::FillOptions() {
  TVexlorConfig* config = DialogControl_->Configuration();
  const TSpellOptions chosen = config ? config->GetSpellOptions() : TSpellOptions();
  const TSpellOptions available = DialogControl_->AvailableOptions();
  int shown = 0;
  for (int o = soLiveSpelling; o <= soUser4 && shown < kOptionRows; ++o) {
    const auto option = static_cast<TSpellOption>(o);
    if (!available.Contains(option)) continue;
    TCheckBox* box = Options[shown++];
    box->Tag = option;
    box->SetText(DialogControl_->GetOptionCaption(option));
    box->SetChecked(chosen.Contains(option));
    box->SetVisible(true);
  }
  for (int i = shown; i < kOptionRows; ++i) Options[i]->SetVisible(false);
  return kOptionRows - shown;
}

void TSpellCheckConfigDialog::OptionsClick(TComponent* sender) {
  auto* box = dynamic_cast<TCheckBox*>(sender);
  TVexlorConfig* config = DialogControl_->Configuration();
  if (box == nullptr || config == nullptr) return;
  const auto option = static_cast<TSpellOption>(box->Tag);
  TSpellOptions options = config->GetSpellOptions();
  if (box->Checked() == options.Contains(option)) return;
  options.Set(option, box->Checked());
  config->SetSpellOptions(options);
}

bool TSpellCheckConfigDialog::HasLocateRow() const {
  return locateRow_ && MainDictionaries->Count() > 0;
}

void TSpellCheckConfigDialog::FillMainDictionaries() {
  TStringList* files = DialogControl_->GetMainDictionaryFiles();
  if (files == nullptr) return;
  // Copied: opening a dictionary may refresh the engine's list.
  const TStringList names(*files);
  MainDictionaries->BeginUpdate();
  MainDictionaries->Clear();
  locateRow_ = false;
  for (int i = 0; i < names.Count(); ++i) {
    std::unique_ptr<TMainDictionary> dictionary = DialogControl_->OpenMainDictionary(names[i]);
    const int32_t row = MainDictionaries->AddItem(dictionary ? dictionary->DisplayTitle() : "???", 0);
    MainDictionaries->SetSubItem(row, 1, names[i]);
  }
  if (DialogControl_->GetCommandsVisible().Contains(sdcMainDictFolderBrowse)) {
    MainDictionaries->AddItem(DialogControl_->GetString(lsLocateDictionaries), 0);
    locateRow_ = true;
  }
  TVexlorConfig* config = DialogControl_->Configuration();
  for (int i = 0; i < names.Count(); ++i) {
    const bool selected = config && config->GetMainDictionaries().IndexOf(names[i]) >= 0;
    // The stored state first, so the notification of the check finds nothing to do.
    MainDictionaries->SetData(i, selected ? 1 : 0);
    MainDictionaries->SetChecked(i, selected);
  }
  MainDictionaries->EndUpdate();
  FitFilenameColumn();
}

void TSpellCheckConfigDialog::FitFilenameColumn() {
  int32_t width = MainDictionaries->Width() - MainDictionaries->ColumnWidth(0) - 4;
  if (MainDictionaries->Count() > kRowsWithoutScrollBar) width -= ::GetSystemMetrics(SM_CXVSCROLL);
  if (width > 0) MainDictionaries->SetColumnWidth(1, width);
}

void TSpellCheckConfigDialog::MainDictionariesChange(int32_t index, bool checked) {
  if (index < 0 || index >= MainDictionaries->Count()) return;
  if (checked == (MainDictionaries->Data(index) != 0)) return;
  if (HasLocateRow() && index == MainDictionaries->Count() - 1) {
    MainDictionaries->SetChecked(index, false);
    DialogControl_->ShowAddDictionaryDir();
    FillMainDictionaries();
    return;
  }
  MainDictionaries->SetData(index, checked ? 1 : 0);
  TVexlorConfig* config = DialogControl_->Configuration();
  if (config == nullptr) return;
  TStringList& selected = config->GetMainDictionaries();
  const std::string name = MainDictionaries->SubItem(index, 1);
  const int at = selected.IndexOf(name);
  if (checked && at < 0) selected.Add(name);
  if (!checked && at >= 0) selected.Delete(at);
}

void TSpellCheckConfigDialog::MainDictionariesClick() {
  const DWORD pos = ::GetMessagePos();
  POINT pt = {static_cast<int16_t>(LOWORD(pos)), static_cast<int16_t>(HIWORD(pos))};
  ::ScreenToClient(MainDictionaries->Handle(), &pt);
  const int32_t row = MainDictionaries->ItemAt(pt.x, pt.y);
  if (row < 0 || pt.x < MainDictionaries->ItemRect(row, true).Left) return;
  MainDictionaries->SetChecked(row, !MainDictionaries->Checked(row));
}

void TSpellCheckConfigDialog::MainDictionariesSelectItem(int32_t index, bool selected) {
  if (selected) MainDictionaries->SetSelected(index, false);
}

void TSpellCheckConfigDialog::FillCustomCombo() {
  TStringList* files = DialogControl_->GetCustomDictionaryFiles();
  if (files == nullptr) return;
  CustomCombo->Clear();
  for (int i = 0; i < files->Count(); ++i) CustomCombo->Add(files->Strings(i));
  TVexlorConfig* config = DialogControl_->Configuration();
  const std::string active = config ? config->GetActiveCustom() : std::string();
  int32_t index = -1;
  for (int32_t i = 0; i < CustomCombo->Count() && !active.empty(); ++i)
    if (CustomCombo->Items(i) == active) index = i;
  CustomCombo->SetItemIndex(index);
}

void TSpellCheckConfigDialog::CustomComboChange() {
  TVexlorConfig* config = DialogControl_->Configuration();
  const int32_t index = CustomCombo->ItemIndex();
  if (config != nullptr && index >= 0) config->SetActiveCustom(CustomCombo->Items(index));
}

void TSpellCheckConfigDialog::DictionariesButtonClick() {
  DialogControl_->ShowCustomDictionariesDialog();
  FillCustomCombo();
}

void TSpellCheckConfigDialog::ResetButtonClick() {
  TVexlorConfig* config = DialogControl_->Configuration();
  if (config == nullptr) return;
  config->ResetDefaults();
  FillMainDictionaries();
  FillCustomCombo();
  FillOptions();
}

void TSpellCheckConfigDialog::HelpButtonClick() { DialogControl_->ShowConfigDialogHelp(); }
