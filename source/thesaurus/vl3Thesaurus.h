// The thesaurus component with the standard dialog: what an application
// places on a form to offer synonyms.
#pragma once

#include "vl3ThesaurusBase.h"

/// The thesaurus component with the standard thesaurus dialog.
class TThesaurus3 : public TThesaurus3Base {
 public:
  /// Creates the component.
  explicit TThesaurus3(TComponent* owner = nullptr) : TThesaurus3Base(owner) {}

  // A TThesDialog owned by the component, released after the look-up.
  /// Creates the standard thesaurus dialog.
  void CreateDialog() override;
};
