// The spell-checker component's live-spelling popup menu: suggestions and
// dictionary actions for one word, and what the chosen item does.
#include "vl3SpellPopupMenu.h"

#include <memory>

#include "vl3CustomDictionary.h"
#include "vl3Menus.h"
#include "vl3SpellBase.h"

namespace {

// The tags of the menu items, as the host's own menu handler reports them.
constexpr int32_t kTagDialog = 1;
constexpr int32_t kTagAutoCorrect = 2;
constexpr int32_t kTagChangeAll = 3;
constexpr int32_t kTagAdd = 4;
constexpr int32_t kTagIgnoreAll = 5;
constexpr int32_t kTagIgnore = 6;
constexpr int32_t kTagReplace = 7;

}  // namespace

TPopupMenu* TSpellPopupMenu::CreatePopupMenu(TComponent* owner) {
  TPopupMenu* menu = nullptr;
  if (spell_.OnPopupCreateMenu) spell_.OnPopupCreateMenu(&spell_, owner, menu);
  // Owned by nobody: ShowPopupMenu frees the menu itself.
  return menu != nullptr ? menu : new TPopupMenu(nullptr);
}

TMenuItem* TSpellPopupMenu::AddPopupMenuItem(TPopupMenu* menu, TMenuItem* subMenu,
                                             const std::string& caption, bool enable,
                                             bool hasChildren, int32_t tag) {
  TVexlorSpell3Base& spell = spell_;
  TMenuItem* supplied = nullptr;
  if (spell.OnPopupAddMenuItem)
    spell.OnPopupAddMenuItem(&spell, menu, subMenu, caption, enable, hasChildren, tag, supplied);
  if (supplied != nullptr) return supplied;
  auto* item = new TMenuItem(subMenu != nullptr ? static_cast<TComponent*>(subMenu) : menu);
  item->Caption = caption;
  item->Enabled = enable;
  item->Tag = tag;
  if (tag > 0)
    item->OnClick = [&spell](TMenuItem* clicked) {
      spell.PopupItemClick(clicked->Tag, clicked->Caption);
    };
  return item;
}

void TSpellPopupMenu::DoPopupMenu(TPopupMenu* menu, int32_t x, int32_t y) {
  TSpellDialogHosting& dialog = spell_.dialog_;
  dialog.PopupAction() = 0;
  dialog.PopupWord().clear();
  if (spell_.OnPopupDoMenu) {
    spell_.OnPopupDoMenu(&spell_, menu, x, y, dialog.PopupAction(), dialog.PopupWord());
  } else {
    menu->Popup(x, y);
    Platform::ProcessMessages();
  }
}

void TSpellPopupMenu::PopupItemClick(int32_t tag, const std::string& caption) {
  spell_.dialog_.PopupAction() = tag;
  spell_.dialog_.PopupWord() = caption;
}

TSpellPopupOption TSpellPopupMenu::ShowPopupMenu(TComponent* owner, TSpellPopupOptions options,
                                                 int32_t x, int32_t y, std::string& word) {
  TVexlorSpell3Base& spell = spell_;
  TSpellDialogHosting& dialog = spell.dialog_;
  if (word.empty() || !dialog.BeginPopup()) return spCancel;
  struct TPopupGuard {
    TSpellDialogHosting& dialog;
    ~TPopupGuard() { dialog.EndPopup(); }
  } guard{dialog};
  spell.EnsureConfigLoaded();

  std::unique_ptr<TPopupMenu> menu(spell.CreatePopupMenu(owner));
  TStringList list;
  std::string text;
  const bool hasActive = spell.dictionaries_.ActiveCustom() != nullptr;
  auto add = [&spell, &menu](TMenuItem* parent, const std::string& caption, bool enable,
                             bool hasChildren, int32_t tag) {
    return spell.AddPopupMenuItem(menu.get(), parent, caption, enable, hasChildren, tag);
  };
  auto addText = [&spell, &text, &add](TSpellLanguageString id, bool enable, bool hasChildren,
                                       int32_t tag) {
    spell.GetString(id, text);
    return add(nullptr, text, enable, hasChildren, tag);
  };

  if (options.Contains(spReplace)) {
    spell.BuildSuggestions(word, 5, list);
    for (int i = 0; i < list.Count(); ++i) add(nullptr, list[i], true, false, kTagReplace);
    if (list.Empty()) addText(lsNoSuggestions, false, false, 0);
    add(nullptr, "-", true, false, 0);
  }
  if (options.Contains(spIgnore)) addText(lsMenuIgnore, true, false, kTagIgnore);
  if (options.Contains(spIgnoreAll)) addText(lsMenuIgnoreAll, true, false, kTagIgnoreAll);
  if (options.Contains(spAdd)) addText(lsMenuAdd, hasActive, false, kTagAdd);
  add(nullptr, "-", true, false, 0);
  if (options.Contains(spChangeAll) && !list.Empty()) {
    TMenuItem* parent = addText(lsMenuChangeAll, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) add(parent, list[i], true, false, kTagChangeAll);
  }
  if (options.Contains(spAutoCorrect) && !list.Empty() && hasActive) {
    TMenuItem* parent = addText(lsMenuAutoCorrect, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) add(parent, list[i], true, false, kTagAutoCorrect);
  }
  if (options.Contains(spDialog)) addText(lsMenuSpelling, true, false, kTagDialog);

  spell.DoPopupMenu(menu.get(), x, y);

  const std::string& chosen = dialog.PopupWord();
  TCustomDictionary* active = spell.dictionaries_.ActiveCustom();
  switch (dialog.PopupAction()) {
    case kTagDialog:
      return spDialog;
    case kTagAutoCorrect:
      if (!active) return spCancel;
      active->AddAutoCorrect(word, chosen);
      spell.LearnReplacement(word, chosen);
      word = chosen;
      return spAutoCorrect;
    case kTagChangeAll:
      spell.dictionaries_.Internal()->AddAutoCorrect(word, chosen);
      spell.LearnReplacement(word, chosen);
      word = chosen;
      return spChangeAll;
    case kTagAdd:
      if (!active) return spCancel;
      active->AddIgnore(word);
      return spAdd;
    case kTagIgnoreAll:
      spell.dictionaries_.Internal()->AddIgnore(word);
      return spIgnoreAll;
    case kTagIgnore:
      return spIgnore;
    case kTagReplace:
      spell.LearnReplacement(word, chosen);
      word = chosen;
      return spReplace;
    default:
      return spCancel;
  }
}
