// The thesaurus component's standard dialog.
#include "vl3Thesaurus.h"

#include "vl3ThesaurusDialog.h"

void TThesaurus3::CreateDialog() { SetDialogForm(new TThesDialog(this)); }
