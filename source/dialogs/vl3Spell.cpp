// The spell-checker component with the standard dialogs: the spelling dialog
// it creates, the shell's folder browser and the language fonts.
#include "vl3Spell.h"

#include <windows.h>

#include <shlobj.h>

#include "vl3Application_win.h"
#include "vl3Configuration.h"
#include "vl3ConfigurationDialog.h"
#include "vl3CustomDictionariesDialog.h"
#include "vl3CustomDictionaryEditDialog.h"
#include "vl3Form_win.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3SpellDialog.h"

namespace {

// Flags of the folder browser: file-system folders only, with an edit box.
constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
static_assert(kBrowseFlags == 17, "the documented flags of the folder browser");

// The window that owns the folder browser: the window of the requester's
// owner when that is a windowed control, else the main form's.
HWND BrowserOwner(TComponent* requester) {
  TComponent* owner = requester ? requester->Owner() : nullptr;
  if (auto* form = dynamic_cast<TForm*>(owner)) return form->Handle();
  if (auto* control = dynamic_cast<TControl*>(owner)) return control->Handle();
  TForm* main = Application().MainForm();
  return main ? main->Handle() : nullptr;
}

// Shows the shell's folder browser; true with the folder's path when the
// user picked one. Every block the shell handed out goes back to its allocator.
bool BrowseForFolder(HWND owner, const std::string& title, std::string& path) {
  IMalloc* shellMalloc = nullptr;
  if (FAILED(::SHGetMalloc(&shellMalloc)) || shellMalloc == nullptr) return false;
  auto* displayName = static_cast<char*>(shellMalloc->Alloc(MAX_PATH));
  bool picked = false;
  if (displayName != nullptr) {
    displayName[0] = '\0';
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;  // the desktop
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = kBrowseFlags;
    if (LPITEMIDLIST items = ::SHBrowseForFolderA(&info)) {
      char buffer[MAX_PATH] = {};
      picked = ::SHGetPathFromIDListA(items, buffer) != FALSE && buffer[0] != '\0';
      if (picked) path = buffer;
      shellMalloc->Free(items);
    }
    shellMalloc->Free(displayName);
  }
  shellMalloc->Release();
  return picked;
}

bool TakesControlsFont(TControl* c) {
  return dynamic_cast<TLabel*>(c) || dynamic_cast<TButton*>(c) || dynamic_cast<TCheckBox*>(c) ||
         dynamic_cast<TGroupBox*>(c) || dynamic_cast<TPageControl*>(c);
}

bool TakesTextFont(TControl* c) {
  return dynamic_cast<TListView*>(c) || dynamic_cast<TListBox*>(c) || dynamic_cast<TEdit*>(c) ||
         dynamic_cast<TComboBox*>(c);
}

}  // namespace

TVexlorSpell3::TVexlorSpell3(TComponent* owner) : TVexlorSpell3Base(owner) { SetUIType(suiDialog); }

TCustomForm* TVexlorSpell3::CreateSpellDialog() {
  auto* form = new TSpellDialog(this);
  ApplyUILanguageFonts(form, true);
  return form;
}

void TVexlorSpell3::ShowConfigDialog(TComponent* owner) {
  TVexlorSpell3Base::ShowConfigDialog(owner);
  if (OnShowConfigDialog) return;
  ShowStandardDialog(std::make_unique<TSpellCheckConfigDialog>(owner), false, nullptr,
                     HelpCtxConfigDialog());
}

void TVexlorSpell3::ShowCustomDictionariesDialog(TComponent* owner) {
  TVexlorSpell3Base::ShowCustomDictionariesDialog(owner);
  if (OnShowCustomDictionariesDialog) return;
  ShowStandardDialog(std::make_unique<TCustomDictionariesDialog>(owner), false, nullptr,
                     HelpCtxDictionariesDialog());
}

void TVexlorSpell3::ShowEditCustomDictionaryDialog(TComponent* owner,
                                                   TCustomDictionary* dictionary) {
  TVexlorSpell3Base::ShowEditCustomDictionaryDialog(owner, dictionary);
  if (OnShowEditCustomDictionaryDialog) return;
  ShowStandardDialog(std::make_unique<TCustomDictionaryEditDialog>(owner), true, dictionary,
                     HelpCtxDictionaryEditDialog());
  ConfigurationChanged(true);
}

void TVexlorSpell3::ShowStandardDialog(std::unique_ptr<TForm> form, bool textFonts,
                                       TCustomDictionary* dictionary, int32_t helpContext) {
  ApplyUILanguageFonts(form.get(), textFonts);
  AttachDialogControl(form.get(), dictionary);
  form->SetHelpFile(HelpFile());
  form->SetHelpContext(helpContext);
  form->ShowModal();
}

void TVexlorSpell3::ShowAddDictionaryDir(TComponent* owner) {
  if (OnShowAddDictionaryDir) {
    TVexlorSpell3Base::ShowAddDictionaryDir(owner);
    return;
  }
  std::string title;
  GetString(lsChooseDictionaryFolder, title);
  std::string folder;
  if (!BrowseForFolder(BrowserOwner(owner), title, folder)) return;
  Configuration()->GetNewDictionaryPaths().Add(folder);
}

void TVexlorSpell3::ApplyUILanguageFonts(TCustomForm* form, bool textFonts) {
  if (form == nullptr || !useFonts_) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(form->Components(i));
    if (control == nullptr) continue;
    if (TakesControlsFont(control))
      control->SetFont(fontControls_);
    else if (TakesTextFont(control))
      control->SetFont(textFonts ? fontText_ : fontControls_);
  }
}
