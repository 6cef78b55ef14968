// The thesaurus dialog controller: binding and the forwarded commands.
#include "vl3ThesaurusDialogCtrl.h"

#include "vl3ThesaurusBase.h"
#include "vl3Util.h"

TThesaurusDialogCtrl::TThesaurusDialogCtrl(TComponent* owner) : TComponent(owner) {}

std::string TThesaurusDialogCtrl::Version() const { return GetVersionString(); }

void TThesaurusDialogCtrl::SelectContext(int index) {
  if (thesaurus_ != nullptr) thesaurus_->SelectContext(index);
}

void TThesaurusDialogCtrl::Lookup(const std::string& word) {
  if (thesaurus_ != nullptr) thesaurus_->RequestLookup(word);
}

void TThesaurusDialogCtrl::Replace(const std::string& word) {
  if (thesaurus_ != nullptr) thesaurus_->RequestReplace(word);
}

void TThesaurusDialogCtrl::DoubleClick(const std::string& word) {
  if (thesaurus_ != nullptr) thesaurus_->RequestDoubleClick(word);
}

void TThesaurusDialogCtrl::Close() {
  if (thesaurus_ != nullptr) thesaurus_->RequestClose();
}

void TThesaurusDialogCtrl::GetString(TThesaurusLanguageString languageString, std::string& text) {
  text.clear();
  if (thesaurus_ != nullptr) thesaurus_->GetString(languageString, text);
}

void TThesaurusDialogCtrl::Bind(TThesaurus3Base* thesaurus) {
  if (thesaurus_ != nullptr || thesaurus == nullptr) return;
  thesaurus_ = thesaurus;
  // A host's form may outlive the component.
  FreeNotification(thesaurus);
  commandsEnabled_ = thesaurus->CommandsEnabled();
  commandsVisible_ = thesaurus->CommandsVisible();
  if (OnActivate) OnActivate(this);
}

void TThesaurusDialogCtrl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == thesaurus_) thesaurus_ = nullptr;
}
