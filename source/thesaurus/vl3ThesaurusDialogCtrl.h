// The controller a thesaurus dialog form carries: it is bound to the
// thesaurus component for one look-up and relays commands and results.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3Component.h"
#include "vl3Sets.h"
#include "vl3StringList.h"
#include "vl3ThesaurusFile.h"
#include "vl3ThesaurusLanguages.h"

class TThesaurus3Base;

enum TThesaurusDialogCommand : uint8_t {
  tdcLookedUp,
  tdcPrevious,
  tdcLookup,
  tdcReplace,
  tdcClose
};
using TThesaurusDialogCommands = TSet<TThesaurusDialogCommand, uint8_t>;
constexpr TThesaurusDialogCommands kAllThesaurusDialogCommands{tdcLookedUp, tdcPrevious, tdcLookup,
                                                               tdcReplace, tdcClose};

// `sender` is the thesaurus component, also when the controller relays them.
using TPromptLookupEvent = std::function<void(TComponent* sender, const std::string& word,
                                              const TThesaurusEntryList& contextList)>;
using TPromptContextEvent = std::function<void(TComponent* sender, const TStringList& words)>;

class TThesaurusDialogCtrl : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TThesaurusDialogCtrl* sender)>;

  explicit TThesaurusDialogCtrl(TComponent* owner = nullptr);

  std::string Version() const;

  // Forwarded to the bound component; nothing happens while unbound.
  void SelectContext(int index);
  void Lookup(const std::string& word);
  void Replace(const std::string& word);
  void DoubleClick(const std::string& word);
  void Close();
  // `text` is empty when unbound.
  void GetString(TThesaurusLanguageString languageString, std::string& text);

  // Binds the controller to `thesaurus` once for its lifetime: the command
  // sets are copied and OnActivate is raised. Later calls change nothing.
  void Bind(TThesaurus3Base* thesaurus);

  TThesaurus3Base* Thesaurus() const { return thesaurus_; }
  TThesaurusDialogCommands CommandsEnabled() const { return commandsEnabled_; }
  TThesaurusDialogCommands CommandsVisible() const { return commandsVisible_; }

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnActivate;
  TPromptLookupEvent OnPromptLookup;
  TPromptContextEvent OnPromptContext;

 private:
  TThesaurus3Base* thesaurus_ = nullptr;  // not owned; cleared when it is destroyed
  TThesaurusDialogCommands commandsEnabled_;
  TThesaurusDialogCommands commandsVisible_;
};
