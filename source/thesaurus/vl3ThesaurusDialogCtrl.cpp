// The thesaurus dialog controller: binding and the forwarded commands.
#include "vl3ThesaurusDialogCtrl.h"

#include "vl3ThesaurusBase.h"
#include "vl3Util.h"

TThesaurusDialogCtrl::TThesaurusDialogCtrl(TComponent* AOwner) : TComponent(AOwner) {}

std::string TThesaurusDialogCtrl::Version() const { return GetVersionString(); }

void TThesaurusDialogCtrl::SelectContext(int Index) {
  if (thesaurus_ != nullptr) thesaurus_->SelectContext(Index);
}

void TThesaurusDialogCtrl::Lookup(const std::string& Word) {
  if (thesaurus_ != nullptr) thesaurus_->RequestLookup(Word);
}

void TThesaurusDialogCtrl::Replace(const std::string& Word) {
  if (thesaurus_ != nullptr) thesaurus_->RequestReplace(Word);
}

void TThesaurusDialogCtrl::DoubleClick(const std::string& Word) {
  if (thesaurus_ != nullptr) thesaurus_->RequestDoubleClick(Word);
}

void TThesaurusDialogCtrl::Close() {
  if (thesaurus_ != nullptr) thesaurus_->RequestClose();
}

void TThesaurusDialogCtrl::GetString(TThesaurusLanguageString LanguageString, std::string& Text) {
  Text.clear();
  if (thesaurus_ != nullptr) thesaurus_->GetString(LanguageString, Text);
}

void TThesaurusDialogCtrl::Bind(TThesaurus3Base* Thesaurus) {
  if (thesaurus_ != nullptr || Thesaurus == nullptr) return;
  thesaurus_ = Thesaurus;
  // A host's form may outlive the component.
  FreeNotification(Thesaurus);
  commandsEnabled_ = Thesaurus->CommandsEnabled();
  commandsVisible_ = Thesaurus->CommandsVisible();
  if (OnActivate) OnActivate(this);
}

void TThesaurusDialogCtrl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == thesaurus_) thesaurus_ = nullptr;
}
