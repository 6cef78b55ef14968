// The C interface: opaque handles over the spell checker and the thesaurus.
// Every entry point catches everything, so no C++ exception reaches a caller.
#include <windows.h>

// The header's functions are this library's exports.
#define VL3CAPI_BUILDING

#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "vl3CApi.h"
#include "vl3Configuration.h"
#include "vl3Spell.h"
#include "vl3StringList.h"
#include "vl3Thesaurus.h"
#include "vl3Util.h"

struct VxSpellObject {
  TVexlorSpell3 Spell;
  // The text of the last string check, edited in place by the check.
  std::string Checked;
  VxPromptWordProc PromptProc = nullptr;
  void* PromptData = nullptr;
  VxWordChangedProc WordChangedProc = nullptr;
  void* WordChangedData = nullptr;
  VxCheckCompleteProc CheckCompleteProc = nullptr;
  void* CheckCompleteData = nullptr;
  // Calls into this handle under way (an event calls back in); a free
  // asked for meanwhile waits for the outermost one to return.
  int Depth = 0;
  bool FreePending = false;
};

struct VxThesObject {
  TThesaurus3 Thes;
  int Depth = 0;
  bool FreePending = false;
};

namespace {

// The handles that are alive: anything else a caller passes is refused
// rather than followed.
std::set<const void*>& LiveHandles() {
  static std::set<const void*> handles;
  return handles;
}

bool IsLive(const void* handle) { return handle != nullptr && LiveHandles().count(handle) != 0; }

// A new object, set up and registered as a live handle; a result code.
template <typename T, typename SetUp>
int NewHandle(T** handle, SetUp setUp) {
  if (handle == nullptr) return VX_E_INVALID_ARGUMENT;
  *handle = nullptr;
  try {
    auto object = std::make_unique<T>();
    setUp(*object);
    LiveHandles().insert(object.get());
    *handle = object.release();
    return VX_OK;
  } catch (...) {
    return VX_E_FAILED;
  }
}

// The buffer rule: the size needed, terminating zero included; the text
// only when it fits, else an empty string.
int CopyOut(const std::string& text, char* buffer, int size) {
  const size_t needed = text.size() + 1;
  if (needed > 0x7FFFFFFF) return VX_E_FAILED;
  if (buffer != nullptr && size > 0) {
    if (needed <= static_cast<size_t>(size))
      std::memcpy(buffer, text.c_str(), needed);
    else
      buffer[0] = '\0';
  }
  return static_cast<int>(needed);
}

std::string Lines(const TStringList& list) {
  std::string text;
  for (int i = 0; i < list.Count(); ++i) {
    if (i > 0) text += '\n';
    text += list[i];
  }
  return text;
}

bool ToList(const char* const* items, int count, TStringList& list) {
  if (count < 0 || (count > 0 && items == nullptr)) return false;
  for (int i = 0; i < count; ++i) {
    if (items[i] == nullptr) return false;
    list.Add(items[i]);
  }
  return true;
}

// Holds a handle for the length of one call; the last call out frees it
// when a free came in between.
template <class TObject>
class TCallScope {
 public:
  explicit TCallScope(TObject* object) : object_(object) { ++object_->Depth; }
  ~TCallScope() {
    if (--object_->Depth == 0 && object_->FreePending) delete object_;
  }
  TCallScope(const TCallScope&) = delete;
  TCallScope& operator=(const TCallScope&) = delete;

 private:
  TObject* object_;
};

// Runs body on a live handle with every exception turned into a result.
template <class TObject, class TBody>
int Guarded(TObject* object, TBody body) {
  try {
    if (!IsLive(object)) return VX_E_INVALID_HANDLE;
    TCallScope<TObject> scope(object);
    return body(*object);
  } catch (...) {
    return VX_E_FAILED;
  }
}

// Before the first window opens: the forms' window classes are registered
// under the program's instance with procedures in this library, so the
// library must stay loaded for the rest of the process even when the
// program frees it.
void PinThisLibrary() {
  HMODULE self = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&PinThisLibrary), &self);
}

// A handle freed from an event of a check that runs outside any call into
// it (not synchronous) is deleted once that event's caller has unwound.
std::map<UINT_PTR, VxSpellObject*>& DeferredFrees() {
  static std::map<UINT_PTR, VxSpellObject*> frees;
  return frees;
}

void CALLBACK FreeDeferred(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  auto& frees = DeferredFrees();
  auto it = frees.find(timer);
  if (it == frees.end()) return;
  VxSpellObject* object = it->second;
  frees.erase(it);
  try {
    delete object;
  } catch (...) {
  }
}

// Brackets each call of a host's event: the handle stays while it runs.
class TEventScope {
 public:
  explicit TEventScope(VxSpellObject& object) : object_(object) { ++object_.Depth; }
  ~TEventScope() {
    if (--object_.Depth != 0 || !object_.FreePending) return;
    object_.FreePending = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 0, &FreeDeferred);
    if (timer != 0) DeferredFrees()[timer] = &object_;
  }
  TEventScope(const TEventScope&) = delete;
  TEventScope& operator=(const TEventScope&) = delete;

 private:
  VxSpellObject& object_;
};

void ConnectEvents(VxSpellObject& o) {
  VXSPELL handle = &o;
  o.Spell.OnPromptWord = nullptr;
  if (o.PromptProc != nullptr) {
    // Set only with a handler: without one, a silent check that nobody can
    // answer ends instead of waiting.
    o.Spell.OnPromptWord = [&o, handle](TVexlorSpell3Base*, const std::string& word,
                                        bool repeated) {
      if (o.PromptProc == nullptr) return;
      TEventScope scope(o);
      o.PromptProc(handle, word.c_str(), repeated ? 1 : 0, o.PromptData);
    };
  }
}

// The text a replacement takes the place of: the prompted word, the pair of
// a repetition, or what an undo reverts.
std::string ReplacedText(TVexlorSpell3Base& spell, int32_t state) {
  const bool undo = state == TSpellUserActions::kStateUndoChange ||
                    state == TSpellUserActions::kStateUndoChangeAll ||
                    state == TSpellUserActions::kStateUndoAutoCorrect;
  if (undo && spell.UndoCount() > 0) return spell.UndoRecord(spell.UndoCount() - 1).Replacement;
  if (spell.PromptIsRepeated()) return spell.CurrentWord() + " " + spell.CurrentWord();
  return spell.CurrentWord();
}

void SetUpSpell(VxSpellObject& o) {
  TVexlorSpell3& spell = o.Spell;
  VXSPELL handle = &o;
  // Nothing is written anywhere until the host chooses where.
  spell.SetConfigStorage(csNone);
  spell.SetConfigDefaultActiveCustom("");
  spell.SetSuggestionsLearning(false);
  spell.SetSuggestionsLearningDict("");
  std::string oldText;
  spell.OnParserReplaceWord = [&o, handle, oldText](TVexlorSpell3Base* sender, bool before,
                                                    const std::string& replacement,
                                                    int32_t state) mutable {
    if (before) {
      oldText = ReplacedText(*sender, state);
      return;
    }
    if (o.WordChangedProc == nullptr) return;
    TEventScope scope(o);
    o.WordChangedProc(handle, oldText.c_str(), replacement.c_str(), o.WordChangedData);
  };
  spell.OnCompleteCheck = [&o, handle](TVexlorSpell3Base* sender) {
    if (o.CheckCompleteProc == nullptr) return;
    TEventScope scope(o);
    o.CheckCompleteProc(handle, sender->Cancelled() ? 1 : 0, o.CheckCompleteData);
  };
}

// Ends a running check without a message box: the handle is going away.
void StopQuietly(TVexlorSpell3& spell) {
  if (!spell.Checking()) return;
  spell.SetEndMessage(emNever);
  spell.StopCheck(true);
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

int SetSpellProperty(TVexlorSpell3& spell, int property, int value) {
  const bool flag = value != 0;
  switch (property) {
    case VX_PROP_UI_TYPE:
      if (!InRange(value, 0, 1)) return VX_E_INVALID_ARGUMENT;
      spell.SetUIType(static_cast<TSpellUI>(value));
      return VX_OK;
    case VX_PROP_UI_LANGUAGE:
      if (!InRange(value, 0, kSpellLanguageCount - 1)) return VX_E_INVALID_ARGUMENT;
      spell.SetUILanguage(static_cast<TSpellLanguageType>(value));
      return VX_OK;
    case VX_PROP_END_MESSAGE:
      if (!InRange(value, emNever, emNoDialog)) return VX_E_INVALID_ARGUMENT;
      spell.SetEndMessage(static_cast<TSpellEndMessage>(value));
      return VX_OK;
    case VX_PROP_END_CURSOR_POSITION:
      if (!InRange(value, epHome, epNoModify)) return VX_E_INVALID_ARGUMENT;
      spell.SetEndCursorPosition(static_cast<TSpellEndPosition>(value));
      return VX_OK;
    case VX_PROP_DIALOG_MODAL:
      spell.SetDialogShowModal(flag);
      return VX_OK;
    case VX_PROP_DIALOG_INITIAL_POS:
      if (!InRange(value, ipScreenCenter, ipIgnore)) return VX_E_INVALID_ARGUMENT;
      spell.SetDialogInitialPos(static_cast<TSpellDialogInitialPos>(value));
      return VX_OK;
    case VX_PROP_DIALOG_SHOW_IMMEDIATE:
      spell.SetDialogShowImmediate(flag);
      return VX_OK;
    case VX_PROP_MAX_SUGGESTIONS:
      if (value < -1) return VX_E_INVALID_ARGUMENT;
      spell.SetMaxSuggestions(value);
      return VX_OK;
    case VX_PROP_MAX_UNDO:
      if (value < -1) return VX_E_INVALID_ARGUMENT;
      spell.SetMaxUndo(value);
      return VX_OK;
    case VX_PROP_SYNCHRONOUS_CHECK:
      // A running check was started under the other rule.
      if (spell.Checking()) return VX_E_BUSY;
      spell.SetSynchronousCheck(flag);
      return VX_OK;
    case VX_PROP_KEEP_DICTIONARIES_ACTIVE:
      spell.SetKeepDictionariesActive(flag);
      return VX_OK;
    case VX_PROP_USE_EXCLUDE_WORDS:
      spell.SetUseExcludeWords(flag);
      return VX_OK;
    case VX_PROP_USE_AUTO_CORRECT_FIRST:
      spell.SetUseAutoCorrectFirst(flag);
      return VX_OK;
    case VX_PROP_RECHECK_REPLACED_WORDS:
      spell.SetRecheckReplacedWords(flag);
      return VX_OK;
    default:
      return VX_E_INVALID_ARGUMENT;  // unknown or read-only
  }
}

int GetSpellProperty(TVexlorSpell3& spell, int property, int& value) {
  // clang-format off
  switch (property) {
    case VX_PROP_UI_TYPE: value = spell.UIType(); break;
    case VX_PROP_UI_LANGUAGE: value = spell.UILanguage(); break;
    case VX_PROP_END_MESSAGE: value = spell.EndMessage(); break;
    case VX_PROP_END_CURSOR_POSITION: value = spell.EndCursorPosition(); break;
    case VX_PROP_DIALOG_MODAL: value = spell.DialogShowModal(); break;
    case VX_PROP_DIALOG_INITIAL_POS: value = spell.DialogInitialPos(); break;
    case VX_PROP_DIALOG_SHOW_IMMEDIATE: value = spell.DialogShowImmediate(); break;
    case VX_PROP_MAX_SUGGESTIONS: value = spell.MaxSuggestions(); break;
    case VX_PROP_MAX_UNDO: value = spell.MaxUndo(); break;
    case VX_PROP_SYNCHRONOUS_CHECK: value = spell.SynchronousCheck(); break;
    case VX_PROP_KEEP_DICTIONARIES_ACTIVE: value = spell.KeepDictionariesActive(); break;
    case VX_PROP_USE_EXCLUDE_WORDS: value = spell.UseExcludeWords(); break;
    case VX_PROP_USE_AUTO_CORRECT_FIRST: value = spell.UseAutoCorrectFirst(); break;
    case VX_PROP_RECHECK_REPLACED_WORDS: value = spell.RecheckReplacedWords(); break;
    case VX_PROP_CHECKING: value = spell.Checking(); break;
    case VX_PROP_CANCELLED: value = spell.Cancelled(); break;
    case VX_PROP_WORDS_CHECKED: value = spell.WordsChecked(); break;
    case VX_PROP_PROMPT_IS_REPEATED: value = spell.Checking() && spell.PromptIsRepeated(); break;
    default: return VX_E_INVALID_ARGUMENT;
  }
  // clang-format on
  return VX_OK;
}

int Answer(TVexlorSpell3& spell, int action, const char* replacement) {
  const bool needsReplacement = action == VX_ACTION_CHANGE || action == VX_ACTION_CHANGE_ALL ||
                                action == VX_ACTION_AUTO_CORRECT;
  if (needsReplacement && replacement == nullptr) return VX_E_INVALID_ARGUMENT;
  if (!InRange(action, VX_ACTION_IGNORE, VX_ACTION_DELETE_REPEATED)) return VX_E_INVALID_ARGUMENT;
  if (!spell.Checking()) return VX_E_NOT_APPLIED;
  bool applied = false;
  switch (action) {
    case VX_ACTION_IGNORE:
      applied = spell.Ignore();
      break;
    case VX_ACTION_IGNORE_ALL:
      applied = spell.IgnoreAll();
      break;
    case VX_ACTION_CHANGE:
      applied = spell.Change(replacement);
      break;
    case VX_ACTION_CHANGE_ALL:
      applied = spell.ChangeAll(replacement);
      break;
    case VX_ACTION_ADD:
      applied = spell.Add();
      break;
    case VX_ACTION_AUTO_CORRECT:
      applied = spell.AutoCorrect(replacement);
      break;
    case VX_ACTION_UNDO:
      applied = spell.Undo();
      break;
    case VX_ACTION_CANCEL:
      spell.Cancel();
      applied = true;
      break;
    case VX_ACTION_IGNORE_REPEATED:
      applied = spell.IgnoreRepeated();
      break;
    case VX_ACTION_DELETE_REPEATED:
      applied = spell.DeleteRepeated();
      break;
  }
  return applied ? VX_OK : VX_E_NOT_APPLIED;
}

// The words the thesaurus offers for one meaning: those its dialog shows.
std::string MeaningWords(TThesaurus3& thes, int index) {
  std::string words;
  const TPromptContextEvent saved = thes.OnPromptContext;
  thes.OnPromptContext = [&words](TComponent*, const TStringList& list) { words = Lines(list); };
  try {
    thes.SelectContext(index);
  } catch (...) {
    thes.OnPromptContext = saved;
    throw;
  }
  thes.OnPromptContext = saved;
  return words;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) PinThisLibrary();
  return TRUE;
}

int WINAPI vxGetVersion(char* buffer, int size) {
  try {
    return CopyOut(TVexlorSpell3Base::VersionText(), buffer, size);
  } catch (...) {
    return VX_E_FAILED;
  }
}

// ---- Spell checker ----------------------------------------------------------------

int WINAPI vxSpellCreate(VXSPELL* spell) { return NewHandle(spell, SetUpSpell); }

int WINAPI vxSpellFree(VXSPELL spell) {
  try {
    if (!IsLive(spell)) return VX_E_INVALID_HANDLE;
    LiveHandles().erase(spell);
    if (spell->Depth > 0) {
      // Called from an event: freed once the call or event under way returns.
      spell->FreePending = true;
      StopQuietly(spell->Spell);
      return VX_OK;
    }
    StopQuietly(spell->Spell);
    delete spell;
    return VX_OK;
  } catch (...) {
    return VX_E_FAILED;
  }
}

int WINAPI vxSpellSetConfigStorage(VXSPELL spell, int storage, const char* location,
                                   const char* configId) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (storage != VX_STORAGE_FILE && storage != VX_STORAGE_REGISTRY && storage != VX_STORAGE_NONE)
      return VX_E_INVALID_ARGUMENT;
    if (o.Spell.Checking()) return VX_E_BUSY;
    if (configId != nullptr) o.Spell.SetConfigID(configId);
    if (location != nullptr) {
      if (storage == VX_STORAGE_FILE) o.Spell.SetConfigFilename(location);
      if (storage == VX_STORAGE_REGISTRY) o.Spell.SetConfigRegistryKey(location);
    }
    o.Spell.SetConfigStorage(static_cast<TConfigStorage>(storage));
    return VX_OK;
  });
}

int WINAPI vxSpellSetDictionaryFolders(VXSPELL spell, const char* const* folders, int count) {
  return Guarded(spell, [&](VxSpellObject& o) {
    TStringList list;
    if (!ToList(folders, count, list)) return VX_E_INVALID_ARGUMENT;
    if (o.Spell.Checking()) return VX_E_BUSY;
    o.Spell.SetConfigDictionaryDir(list);
    return VX_OK;
  });
}

int WINAPI vxSpellSetMainDictionaries(VXSPELL spell, const char* const* names, int count) {
  return Guarded(spell, [&](VxSpellObject& o) {
    TStringList list;
    if (!ToList(names, count, list)) return VX_E_INVALID_ARGUMENT;
    if (o.Spell.Checking()) return VX_E_BUSY;
    // The default for settings stored later, and the list in use now.
    o.Spell.SetConfigDefaultMain(list);
    TStringList& mains = o.Spell.Configuration()->GetMainDictionaries();
    mains.BeginUpdate();
    mains.Assign(list);
    mains.EndUpdate();
    return VX_OK;
  });
}

int WINAPI vxSpellSetCustomDictionary(VXSPELL spell, const char* name) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (o.Spell.Checking()) return VX_E_BUSY;
    const std::string value = name != nullptr ? name : "";
    o.Spell.SetConfigDefaultActiveCustom(value);
    o.Spell.Configuration()->SetActiveCustom(value);
    return VX_OK;
  });
}

int WINAPI vxSpellSetLearningDictionary(VXSPELL spell, const char* fileName) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (o.Spell.Checking()) return VX_E_BUSY;
    const std::string value = fileName != nullptr ? fileName : "";
    o.Spell.SetSuggestionsLearningDict(value);
    o.Spell.SetSuggestionsLearning(!value.empty());
    // The learning dictionary is opened with the dictionary set.
    if (o.Spell.Configuration()->ConfigLoaded()) o.Spell.ConfigurationChanged(true);
    return VX_OK;
  });
}

int WINAPI vxSpellSetOption(VXSPELL spell, int option, int on) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (!InRange(option, soLiveSpelling, soUser4) || !InRange(on, 0, 1))
      return VX_E_INVALID_ARGUMENT;
    const auto which = static_cast<TSpellOption>(option);
    TSpellOptions defaults = o.Spell.ConfigDefaultOptions();
    o.Spell.SetConfigDefaultOptions(defaults.Set(which, on != 0));
    TSpellOptions options = o.Spell.Configuration()->GetSpellOptions();
    o.Spell.Configuration()->SetSpellOptions(options.Set(which, on != 0));
    return VX_OK;
  });
}

int WINAPI vxSpellGetOption(VXSPELL spell, int option) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (!InRange(option, soLiveSpelling, soUser4)) return VX_E_INVALID_ARGUMENT;
    const TSpellOptions options = o.Spell.Configuration()->GetSpellOptions();
    return options.Contains(static_cast<TSpellOption>(option)) ? 1 : 0;
  });
}

int WINAPI vxSpellSetProperty(VXSPELL spell, int property, int value) {
  return Guarded(spell,
                 [&](VxSpellObject& o) { return SetSpellProperty(o.Spell, property, value); });
}

int WINAPI vxSpellGetProperty(VXSPELL spell, int property, int* value) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (value == nullptr) return VX_E_INVALID_ARGUMENT;
    return GetSpellProperty(o.Spell, property, *value);
  });
}

int WINAPI vxSpellSetPromptWordProc(VXSPELL spell, VxPromptWordProc proc, void* userData) {
  return Guarded(spell, [&](VxSpellObject& o) {
    o.PromptProc = proc;
    o.PromptData = userData;
    ConnectEvents(o);
    return VX_OK;
  });
}

int WINAPI vxSpellSetWordChangedProc(VXSPELL spell, VxWordChangedProc proc, void* userData) {
  return Guarded(spell, [&](VxSpellObject& o) {
    o.WordChangedProc = proc;
    o.WordChangedData = userData;
    return VX_OK;
  });
}

int WINAPI vxSpellSetCheckCompleteProc(VXSPELL spell, VxCheckCompleteProc proc, void* userData) {
  return Guarded(spell, [&](VxSpellObject& o) {
    o.CheckCompleteProc = proc;
    o.CheckCompleteData = userData;
    return VX_OK;
  });
}

int WINAPI vxSpellCheckWindow(VXSPELL spell, HWND window, int checkType) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (window == nullptr || !::IsWindow(window) || !InRange(checkType, ctSelected, ctContinue))
      return VX_E_INVALID_ARGUMENT;
    if (o.Spell.Checking()) return VX_E_BUSY;
    o.Spell.CheckWinControl(window, static_cast<TCheckType>(checkType));
    return VX_OK;
  });
}

int WINAPI vxSpellCheckString(VXSPELL spell, const char* text, char* result, int size) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (text == nullptr || size < 0) return VX_E_INVALID_ARGUMENT;
    // The text being checked is the handle's own copy, which a check that
    // goes on after this call (not synchronous) keeps editing.
    if (o.Spell.Checking()) return VX_E_BUSY;
    o.Checked = text;
    o.Spell.CheckString(o.Checked);
    return CopyOut(o.Checked, result, size);
  });
}

int WINAPI vxSpellGetCheckedString(VXSPELL spell, char* result, int size) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (size < 0) return VX_E_INVALID_ARGUMENT;
    return CopyOut(o.Checked, result, size);
  });
}

int WINAPI vxSpellAnswer(VXSPELL spell, int action, const char* replacement) {
  return Guarded(spell, [&](VxSpellObject& o) { return Answer(o.Spell, action, replacement); });
}

int WINAPI vxSpellGetCurrentWord(VXSPELL spell, char* buffer, int size) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (size < 0) return VX_E_INVALID_ARGUMENT;
    return CopyOut(o.Spell.Checking() ? o.Spell.CurrentWord() : std::string(), buffer, size);
  });
}

int WINAPI vxSpellIsWordCorrect(VXSPELL spell, const char* word) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (word == nullptr) return VX_E_INVALID_ARGUMENT;
    return o.Spell.IsWordCorrect(word) ? 1 : 0;
  });
}

int WINAPI vxSpellGetSuggestions(VXSPELL spell, const char* word, char* buffer, int size) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (word == nullptr || size < 0) return VX_E_INVALID_ARGUMENT;
    TStringList list;
    o.Spell.GetSuggestions(word, list);
    return CopyOut(Lines(list), buffer, size);
  });
}

int WINAPI vxSpellWordCount(VXSPELL spell, const char* text) {
  return Guarded(spell, [&](VxSpellObject& o) {
    if (text == nullptr) return VX_E_INVALID_ARGUMENT;
    return static_cast<int>(o.Spell.WordCount(text));
  });
}

int WINAPI vxSpellShowConfigDialog(VXSPELL spell) {
  return Guarded(spell, [&](VxSpellObject& o) {
    o.Spell.ShowConfigDialog();
    return VX_OK;
  });
}

// ---- Thesaurus --------------------------------------------------------------------

int WINAPI vxThesCreate(VXTHES* thes) {
  return NewHandle(thes, [](VxThesObject&) {});
}

int WINAPI vxThesFree(VXTHES thes) {
  try {
    if (!IsLive(thes)) return VX_E_INVALID_HANDLE;
    LiveHandles().erase(thes);
    if (thes->Depth > 0) {
      // Inside its own dialog: closed, then freed when that call returns.
      thes->FreePending = true;
      thes->Thes.RequestClose();
      return VX_OK;
    }
    delete thes;
    return VX_OK;
  } catch (...) {
    return VX_E_FAILED;
  }
}

int WINAPI vxThesSetFile(VXTHES thes, const char* fileName) {
  return Guarded(thes, [&](VxThesObject& o) {
    if (fileName == nullptr) return VX_E_INVALID_ARGUMENT;
    if (o.Thes.LookingUp()) return VX_E_BUSY;
    o.Thes.SetFilename(fileName);
    return VX_OK;
  });
}

int WINAPI vxThesSetProperty(VXTHES thes, int property, int value) {
  return Guarded(thes, [&](VxThesObject& o) {
    switch (property) {
      case VX_THES_PROP_UI_LANGUAGE:
        if (!InRange(value, 0, kThesaurusLanguageCount - 1)) return VX_E_INVALID_ARGUMENT;
        o.Thes.SetUILanguage(static_cast<TThesaurusLanguageType>(value));
        return VX_OK;
      case VX_THES_PROP_SORTED_LISTS:
        o.Thes.SetSortedLists(value != 0);
        return VX_OK;
      default:
        return VX_E_INVALID_ARGUMENT;
    }
  });
}

int WINAPI vxThesLookup(VXTHES thes, const char* word) {
  return Guarded(thes, [&](VxThesObject& o) {
    if (word == nullptr) return VX_E_INVALID_ARGUMENT;
    if (o.Thes.LookingUp()) return VX_E_BUSY;
    TThesaurusFile* file = o.Thes.ThesaurusFile();
    if (!file->Lookup(word)) {
      file->Results().clear();
      return 0;
    }
    return static_cast<int>(file->Results().size());
  });
}

int WINAPI vxThesGetMeaning(VXTHES thes, int index, int part, char* buffer, int size) {
  return Guarded(thes, [&](VxThesObject& o) {
    if (size < 0 || !InRange(part, VX_MEANING_HEADWORD, VX_MEANING_WORDS))
      return VX_E_INVALID_ARGUMENT;
    const TThesaurusEntryList& results = o.Thes.ThesaurusFile()->Results();
    if (index < 0 || static_cast<size_t>(index) >= results.size()) return VX_E_NOT_FOUND;
    const TThesaurusEntry& meaning = *results[static_cast<size_t>(index)];
    switch (part) {
      case VX_MEANING_HEADWORD:
        return CopyOut(meaning.Headword, buffer, size);
      case VX_MEANING_CATEGORY:
        return CopyOut(meaning.CategoryName, buffer, size);
      default:
        return CopyOut(MeaningWords(o.Thes, index), buffer, size);
    }
  });
}

int WINAPI vxThesLookupWindow(VXTHES thes, HWND window) {
  return Guarded(thes, [&](VxThesObject& o) {
    if (window == nullptr || !::IsWindow(window)) return VX_E_INVALID_ARGUMENT;
    if (o.Thes.LookingUp()) return VX_E_BUSY;
    return o.Thes.LookupWinControl(window) ? VX_OK : VX_E_NOT_FOUND;
  });
}

int WINAPI vxThesLookupDialog(VXTHES thes, const char* word, char* result, int size) {
  return Guarded(thes, [&](VxThesObject& o) {
    if (word == nullptr || size < 0) return VX_E_INVALID_ARGUMENT;
    if (o.Thes.LookingUp()) return VX_E_BUSY;
    std::string chosen;
    o.Thes.LookupString(word, chosen);
    return CopyOut(chosen, result, size);
  });
}

}  // extern "C"
