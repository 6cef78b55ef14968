// The sample's main form: its layout, the components with the values the
// sample gives them, and one handler per button that shows the call behind it.
#include "Main.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "SpellForm.h"
#include "vl3Application_win.h"
#include "vl3ConfigurationDialog.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Configuration.h"
#include "vl3Grid.h"
#include "vl3Layout_win.h"
#include "vl3PageControl_win.h"
#include "vl3ParserBase.h"
#include "vl3Platform.h"
#include "vl3RichEdit.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vl3StringGrid_win.h"
#include "vl3StringList.h"
#include "vl3Thesaurus.h"
#include "vl3Util.h"
#include "vl3WinAPIParser.h"
#include "vxdemoResources.h"

#undef MessageBox

namespace {

// The outer size the form opens with and the smallest the user may drag it to.
// Taller than the designed 380 pixels, so that the configuration dialog
// embedded in an inner page shows its dictionary list whole.
const int32_t kFormWidth = 570, kFormHeight = 440;
const int32_t kMinWidth = 450, kMinHeight = 360;

const TFormLayout kDemoForm = {"Vexlor 3.0 Sample Application", 562, 346,
                               TFormBorderStyle::bsSizeable, TPosition::poScreenCenter};

const uint32_t kFill = lfAnchorRight | lfAnchorBottom;

const int32_t kGridColumnWidth = 205;
const int32_t kGridRowHeight = 16;

// The texts of the pages: sample prose with misspellings for the checks.
const char* const kEdit1Text =
    "The sequnce check lets several controls be checked as one text.";
const char* const kMemo1Text =
    "One spelling dialog stays open from the first misspelt word in the\r\n"
    "first control to the last word of the last one, so the user never sees\r\n"
    "it apear and disappear between the controls.";
const char* const kEdit2Text =
    "The button to the right checks these four controls in turn.";
const char* const kRichEdit3Text =
    "The code behind the button is no more than this:\r\n"
    "\r\n"
    "  procedure TDemoForm.SequenceCheckButtonClick(Sender: TObject);\r\n"
    "  begin\r\n"
    "    VexlorSpell.StartSequenceCheck;\r\n"
    "    VexlorSpell.CheckWinControl( Edit1, ctAll );\r\n"
    "    VexlorSpell.CheckWinControl( Edit2, ctAll );\r\n"
    "    VexlorSpell.CheckWinControl( Memo1, ctAll );\r\n"
    "    VexlorSpell.CheckWinControl( RichEdit3, ctAll );\r\n"
    "    VexlorSpell.StopSequenceCheck;\r\n"
    "  end;";
const char* const kMemo2Text =
    "An application can show a spelling dialog of its own desgin instead of the\r\n"
    "standard one.  The Custom button checks this text with such a form, which\r\n"
    "the application creates when the spell checker asks for a dialog.\r\n"
    "\r\n"
    "The Default button checks the same text with the standard dialog, so the\r\n"
    "two can be compared side by side.  Both dialogs offer the same comands.";
const char* const kRichEdit2ConfigText =
    "The configuration dialog can live inside an application's own window.\r\n"
    "\r\n"
    "Changes made on the left take efect at once: turn the dictionary off and\r\n"
    "every word in this text is underlined as misspelt.";

struct TGridText {
  int32_t Col, Row;
  const char* Text;
};
const TGridText kGridTexts[] = {
    {0, 0, "VexlorSpell is also fully capable of"},
    {0, 1, "checking many griid controls.  For the"},
    {0, 2, "purposes of this demo, the spelling check"},
    {0, 3, "button to the rigt performs a spelling"},
    {0, 4, "check on the first column of this grid."},
    {1, 4, "and then follos up by checking the"},
    {1, 5, "second column.  You can check any"},
    {1, 6, "individuel cell, column, or row in"},
    {1, 7, "any order you like."},
};

// Every command from sdcIgnore to sdcMainDictFolderBrowse.
TSpellDialogCommands AllDialogCommandsButReset() {
  TSpellDialogCommands commands;
  for (int c = sdcIgnore; c <= sdcMainDictFolderBrowse; ++c)
    commands.Include(static_cast<TSpellDialogCommand>(c));
  return commands;
}

TStringList Strings(std::initializer_list<const char*> values) {
  TStringList list;
  for (const char* v : values) list.Add(v);
  return list;
}

}  // namespace

const char* const TDemoForm::kWordCountText =
    "VexlorSpell is also capable of easily reporting the\r\n"
    "current word count to your users.\r\n"
    "\r\n"
    "Current Word Count: ";

const int TDemoForm::kPageIcons[4] = {IDI_SPELLCHECK, IDI_THESAURUS, IDI_LIVESPELLING,
                                      IDI_OTHERFEATURES};

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  using F = TDemoForm;
  const uint32_t right = lfAnchorRightOnly;  // the column of buttons on the right
  // Each page: an icon and a title over a divider, then the page's own
  // controls; the column of buttons on the right follows the right edge.
  // clang-format off
  const TLayoutItem controls[] = {
    // member                                          left top  width height caption                                   tab parent                flags                    handler
    {VL_CONTROL(PageControl),                            0,   0, 562, 346, nullptr,                                    0, nullptr,               kFill},
    {VL_CONTROL(SpellingCheckSheet),                     0,   0,   0,   0, "Spelling Check",                          -1, &PageControl},
    {VL_CONTROL(ThesaurusSheet),                         0,   0,   0,   0, "Thesaurus",                               -1, &PageControl},
    {VL_CONTROL(RichEditSheet),                          0,   0,   0,   0, "Live Spelling",                           -1, &PageControl},
    {VL_CONTROL(OtherFeaturesSheet),                     0,   0,   0,   0, "Other Features",                          -1, &PageControl},

    {VL_CONTROL(Image1),                                 8,   8,  32,  32, nullptr,                                   -1, &SpellingCheckSheet},
    {VL_CONTROL(Label1),                                48,  14, 300,  20, "TVexlorSpell3",                           -1, &SpellingCheckSheet},
    {VL_CONTROL(Bevel1),                                 8,  46, 538,   2, nullptr,                                   -1, &SpellingCheckSheet,  lfAnchorRight},
    {VL_CONTROL(RichEdit1),                              8,  56, 434, 256, nullptr,                                    0, &SpellingCheckSheet,  kFill | lfShowSelection},
    {VL_CONTROL(SpellCheckButton),                     452,  56,  94,  25, "&Spell Check",                             1, &SpellingCheckSheet,  right,                   &F::SpellCheckButtonClick},
    {VL_CONTROL(ConfigureButton),                      452,  88,  94,  25, "&Configure",                               2, &SpellingCheckSheet,  right,                   &F::ConfigureButtonClick},
    {VL_CONTROL(WordCountButton),                      452, 120,  94,  25, "&Word Count",                              3, &SpellingCheckSheet,  right,                   &F::WordCountButtonClick},

    {VL_CONTROL(Image2),                                 8,   8,  32,  32, nullptr,                                   -1, &ThesaurusSheet},
    {VL_CONTROL(Label2),                                48,  14, 300,  20, "TThesaurus3",                             -1, &ThesaurusSheet},
    {VL_CONTROL(Bevel2),                                 8,  46, 538,   2, nullptr,                                   -1, &ThesaurusSheet,      lfAnchorRight},
    {VL_CONTROL(RichEdit2),                              8,  56, 434, 256, nullptr,                                    0, &ThesaurusSheet,      kFill | lfShowSelection},
    {VL_CONTROL(ThesaurusButton),                      452,  56,  94,  25, "&Thesaurus",                               1, &ThesaurusSheet,      right,                   &F::ThesaurusButtonClick},

    {VL_CONTROL(Image3),                                 8,   8,  32,  32, nullptr,                                   -1, &RichEditSheet},
    {VL_CONTROL(Label3),                                48,  14, 300,  20, "TVexlorRichEdit",                         -1, &RichEditSheet},
    {VL_CONTROL(Bevel3),                                 8,  46, 538,   2, nullptr,                                   -1, &RichEditSheet,       lfAnchorRight},
    // VexlorRichEdit1 (8, 56, 434, 256) is in the spell-aware rows below.
    {VL_CONTROL(LiveSpellButton),                      452,  56,  94,  25, "&Spell Check",                             1, &RichEditSheet,       right,                   &F::LiveSpellButtonClick},
    {VL_CONTROL(LiveConfigureButton),                  452,  88,  94,  25, "&Configure",                               2, &RichEditSheet,       right,                   &F::ConfigureButtonClick},
    {VL_CONTROL(LiveThesaurusButton),                  452, 120,  94,  25, "&Thesaurus",                               3, &RichEditSheet,       right,                   &F::LiveThesaurusButtonClick},

    {VL_CONTROL(Image4),                                 8,   8,  32,  32, nullptr,                                   -1, &OtherFeaturesSheet},
    // The designed caption reads "Featrues"; the sample's title is spelt right.
    {VL_CONTROL(Label4),                                48,  14, 400,  20, "Additional Features of the Vexlor suite",  -1, &OtherFeaturesSheet},
    {VL_CONTROL(Bevel4),                                 8,  46, 538,   2, nullptr,                                   -1, &OtherFeaturesSheet,  lfAnchorRight},
    {VL_CONTROL(PageControl1),                           8,  54, 538, 262, nullptr,                                    0, &OtherFeaturesSheet,  kFill},
    {VL_CONTROL(SequenceCheckSheet),                     0,   0,   0,   0, "Sequence Check",                          -1, &PageControl1},
    {VL_CONTROL(CustomDialogsSheet),                     0,   0,   0,   0, "Custom UI",                               -1, &PageControl1},
    {VL_CONTROL(EmbeddedConfigSheet),                    0,   0,   0,   0, "Configuration",                           -1, &PageControl1,        lfNone,                  &F::EmbeddedConfigSheetShow},
    {VL_CONTROL(SilentCheckSheet),                       0,   0,   0,   0, "API Access",                              -1, &PageControl1},
    {VL_CONTROL(StringGridSheet),                        0,   0,   0,   0, "String Grid",                             -1, &PageControl1,        lfNone,                  &F::StringGridSheetShow},

    {VL_CONTROL(Edit1),                                  8,   8, 418,  21, nullptr,                                    0, &SequenceCheckSheet,  lfAnchorRight},
    {VL_CONTROL(Memo1),                                  8,  34, 418,  58, nullptr,                                    1, &SequenceCheckSheet,  lfAnchorRight},
    {VL_CONTROL(Edit2),                                  8,  97, 418,  21, nullptr,                                    2, &SequenceCheckSheet,  lfAnchorRight},
    {VL_CONTROL(RichEdit3),                              8, 123, 418, 106, nullptr,                                    3, &SequenceCheckSheet,  kFill},
    {VL_CONTROL(SequenceCheckButton),                  434,   8,  88,  25, "&Spell Check",                             4, &SequenceCheckSheet,  right,                   &F::SequenceCheckButtonClick},

    {VL_CONTROL(Label5),                                 8,   8, 200,  13, "Spelling Check Dialogs:",                 -1, &CustomDialogsSheet},
    {VL_CONTROL(Memo2),                                  8,  24, 418, 205, nullptr,                                    0, &CustomDialogsSheet,  kFill},
    {VL_CONTROL(CustomDialogSpellCheckButton),         434,  24,  88,  25, "&Custom",                                  1, &CustomDialogsSheet,  right,                   &F::CustomDialogSpellCheckButtonClick},
    {VL_CONTROL(CustomDialogNormalSpellCheckButton),   434,  56,  88,  25, "&Default",                                 2, &CustomDialogsSheet,  right,                   &F::CustomDialogNormalSpellCheckButtonClick},

    // VexlorRichEdit2 is in the spell-aware rows; the embedded dialog takes the left.

    {VL_CONTROL(Label8),                                 8,   8, 150,  13, "Text to Parse:",                          -1, &SilentCheckSheet,    lfNone,                  &TextToParse},
    {VL_CONTROL(TextToParse),                            8,  24, 168, 205, nullptr,                                    0, &SilentCheckSheet,    lfAnchorBottom},
    {VL_CONTROL(ParseButton),                          182, 112,  32,  25, ">>",                                       1, &SilentCheckSheet,    lfNone,                  &F::ParseButtonClick},
    {VL_CONTROL(Label7),                               220,   8, 140,  13, "Parsed Words:",                           -1, &SilentCheckSheet,    lfNone,                  &ParsedWordsLB},
    {VL_CONTROL(ParsedWordsLB),                        220,  24, 144, 205, nullptr,                                    2, &SilentCheckSheet,    lfAnchorBottom},
    {VL_CONTROL(Label6),                               372,   8, 140,  13, "Misspelled Words:",                       -1, &SilentCheckSheet,    lfNone,                  &MisspelledLB},
    {VL_CONTROL(MisspelledLB),                         372,  24, 150,  95, nullptr,                                    3, &SilentCheckSheet,    lfAnchorRight,           &F::MisspelledLBClick},
    {VL_CONTROL(SuggestionsLabel),                     372, 124, 140,  13, "Suggestions:",                            -1, &SilentCheckSheet,    lfNone,                  &SuggestionsLB},
    {VL_CONTROL(SuggestionsLB),                        372, 140, 150,  89, nullptr,                                    4, &SilentCheckSheet,    kFill},

    // StringGrid (8, 8, 420, 176) is in the spell-aware rows.
    {VL_CONTROL(CheckGridButton),                      434,   8,  88,  25, "&Spell Check",                             1, &StringGridSheet,     right,                   &F::CheckGridButtonClick},
  };
  // Controls of the editors subsystem, made after the framework's own by the
  // same rows: the layout makes a class it does not know by its constructor.
  const TLayoutItem spellAwareControls[] = {
    // member                      left top  width height caption  tab parent                 flags
    {VL_CONTROL(VexlorRichEdit1),     8,  56, 434, 256, nullptr,   0, &RichEditSheet,        kFill},
    {VL_CONTROL(VexlorRichEdit2),   328,   8, 194, 221, nullptr,   0, &EmbeddedConfigSheet,  kFill},
    {VL_CONTROL(StringGrid),          8,   8, 420, 176, nullptr,   0, &StringGridSheet,      lfNone},
  };
  // clang-format on
  ApplyLayout(*this, kDemoForm, controls);
  CreateControls(*this, spellAwareControls);
  SetBounds(0, 0, kFormWidth, kFormHeight);
  SetMinSize(kMinWidth, kMinHeight);

  VexlorSpell = new TVexlorSpell3(this);
  VexlorSpell->SetName("VexlorSpell");
  Thesaurus = new TThesaurus3(this);
  Thesaurus->SetName("Thesaurus");
  SetUpSpellChecker();
  SetUpThesaurus();
  SetUpControls();

  EmbeddedConfigSheet->OnHide = [this](TComponent*) { EmbeddedConfigSheetHide(); };
  OnResize = [this](TCustomForm*) { FormResize(); };
  OnCreate = [this](TComponent*) { FormCreate(); };
  AfterConstruction();
}

TDemoForm::~TDemoForm() {
  // Before the page that owns it goes with the other controls.
  delete embeddedConfig_;
  embeddedConfig_ = nullptr;
}

void TDemoForm::SetUpSpellChecker() {
  TVexlorSpell3& s = *VexlorSpell;
  s.SetConfigStorage(csRegistry);
  s.SetConfigID("%UserName%");
  s.SetConfigFilename("%AppDir%\\Spell.cfg");
  s.SetConfigRegistryKey("Software\\Torvane Software\\%AppName%");
  s.SetConfigDictionaryDir(Strings({"%AppDir%", "%AppDir%\\..\\..\\Dictionaries"}));
  s.SetConfigAvailableOptions(TSpellOptions{soUpcase, soNumbers, soHTML, soInternet,
                                            soAbbreviations, soPrimaryOnly, soRepeated});
  s.SetConfigUseMSWordCustom(true);
  s.SetConfigDefaultMain(Strings({"American.vlm"}));
  s.SetConfigDefaultActiveCustom("%ConfigID%.vlu");
  s.SetConfigDefaultOptions(
      TSpellOptions{soLiveSpelling, soLiveCorrect, soInternet, soAbbreviations, soRepeated});
  s.SetConfigDefaultUseMSWordCustom(false);
  s.SetSuggestionsAutoReplace(false);
  s.SetSuggestionsLearning(true);
  s.SetSuggestionsLearningDict("%AppDir%\\%UserName%_sp.vll");
  s.SetQuoteChars(">");
  s.SetDialogInitialPos(ipLastUserPos);
  s.SetDialogSelectionAvoid(saAvoid);
  s.SetDialogShowImmediate(false);
  s.SetDialogShowModal(false);
  s.SetEndMessage(emExceptCancel);
  s.SetEndCursorPosition(epOriginal);
  s.SetEndMessageWordCount(false);
  s.SetMaxUndo(-1);
  s.SetMaxSuggestions(-1);
  s.SetKeepDictionariesActive(false);
  s.SetSynchronousCheck(true);
  s.SetUseHourglassCursor(true);
  s.SetCommandsVisible(AllDialogCommandsButReset());
  s.SetCommandsEnabled(AllDialogCommandsButReset());
  s.SetPhoneticSuggestions(true);
  s.SetPhoneticMaxDistance(4);
  s.SetPhoneticDivisor(2);
  s.SetPhoneticDepth(2);
  s.SetMappingAutoReplace(true);
  s.SetUseExcludeWords(true);
  s.SetUseAutoCorrectFirst(false);
  s.SetRecheckReplacedWords(true);
  s.SetUILanguage(ltEnglish);
  s.SetUIType(suiDialog);
  s.SetUILanguageUseFonts(false);
}

void TDemoForm::SetUpThesaurus() {
  Thesaurus->SetFilename("%AppDir%\\..\\..\\Dictionaries\\Brevant.vlt");
  Thesaurus->SetSortedLists(false);
  Thesaurus->SetDoubleClickAction(dcaLookup);
  Thesaurus->SetUILanguage(TThesaurusLanguageType::ltEnglish);
  Thesaurus->SetCommandsVisible(kAllThesaurusDialogCommands);
  Thesaurus->SetCommandsEnabled(kAllThesaurusDialogCommands);
  Thesaurus->SetHelpCtxThesaurusDialog(0);
}

void TDemoForm::SetUpControls() {
  TFont title = Font();
  title.Name = "Tahoma";
  title.Height = -16;
  title.Style = TFontStyles{TFontStyle::fsBold};
  for (TLabel* label : {Label1, Label2, Label3, Label4}) label->SetFont(title);
  for (TBevel* bevel : {Bevel1, Bevel2, Bevel3, Bevel4}) bevel->SetShape(TBevelShape::bsTopLine);
  LoadPageIcons();

  for (TVexlorRichEdit* edit : {VexlorRichEdit1, VexlorRichEdit2}) {
    edit->SetVexlorSpell(VexlorSpell);
    edit->SetLiveSpelling(true);
    edit->SetLiveCorrect(true);
    edit->SetLiveSpellingColor(RGB(255, 0, 0));
    edit->SetDoubleBuffered(true);
    edit->SetLiveSpellingOptions(true);
    edit->SetLiveMenuOptions(
        TSpellPopupOptions{spDialog, spAutoCorrect, spChangeAll, spAdd, spIgnoreAll, spIgnore, spReplace});
    edit->SetLiveSpellingReadOnly(false);
  }

  Edit1->SetText(kEdit1Text);
  Memo1->SetText(kMemo1Text);
  Edit2->SetText(kEdit2Text);
  RichEdit3->SetText(kRichEdit3Text);
  Memo2->SetText(kMemo2Text);
  VexlorRichEdit2->SetText(kRichEdit2ConfigText);

  StringGrid->SetColCount(2);
  StringGrid->SetRowCount(10);
  StringGrid->SetFixedCols(0);
  StringGrid->SetFixedRows(0);
  StringGrid->SetDefaultRowHeight(kGridRowHeight);
  for (int32_t col = 0; col < 2; ++col) StringGrid->SetColWidths(col, kGridColumnWidth);
  StringGrid->SetOptions(StringGrid->Options() + TGridOptions{TGridOption::goEditing});
  StringGrid->FocusCell(0, 0);
}

// The page icons are built into the program; a program without them (a
// test) shows empty images.
void TDemoForm::LoadPageIcons() {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  TImage* images[] = {Image1, Image2, Image3, Image4};
  for (int i = 0; i < 4; ++i) {
    HANDLE icon = ::LoadImageA(module, MAKEINTRESOURCEA(kPageIcons[i]), IMAGE_ICON, 32, 32, 0);
    if (icon) images[i]->SetIcon(static_cast<HICON>(icon));
  }
  // The program's own icon in the caption and the task switcher.
  const struct {
    WPARAM which;
    int size;
  } sizes[] = {{ICON_SMALL, 16}, {ICON_BIG, 32}};
  for (const auto& s : sizes)
    if (HANDLE icon = ::LoadImageA(module, MAKEINTRESOURCEA(IDI_VXDEMO), IMAGE_ICON, s.size, s.size, 0))
      ::SendMessageA(Handle(), WM_SETICON, s.which, reinterpret_cast<LPARAM>(icon));
}

void TDemoForm::FormCreate() {
  const std::string folder = ExtractFileDir(Platform::ExecutablePath());
  // A missing or unreadable file leaves its editor empty: the rest of the
  // sample works without it.
  RichEdit1->LoadFromFile(folder + "\\SpellText.rtf");
  RichEdit2->LoadFromFile(folder + "\\ThesaurusText.rtf");
  VexlorRichEdit1->LoadFromFile(folder + "\\LiveSpellingText.rtf");
  // A thesaurus beside the program wins over the one in the dictionaries folder.
  if (Platform::FileExists(folder + "\\Brevant.vlt")) Thesaurus->SetFilename("%AppDir%\\Brevant.vlt");
}

// ---- The first three pages --------------------------------------------------------

void TDemoForm::SpellCheckButtonClick() { VexlorSpell->CheckWinControl(RichEdit1->Handle(), ctAll); }

void TDemoForm::ConfigureButtonClick() { VexlorSpell->ShowConfigDialog(); }

void TDemoForm::WordCountButtonClick() {
  const int32_t count = VexlorSpell->WordCountWinControl(RichEdit1->Handle(), ctAll);
  Application().MessageBox(kWordCountText + std::to_string(count), "Word Count", MB_OK);
}

void TDemoForm::ThesaurusButtonClick() { Thesaurus->LookupWinControl(RichEdit2->Handle()); }

void TDemoForm::LiveSpellButtonClick() {
  VexlorSpell->CheckWinControl(VexlorRichEdit1->Handle(), ctAll);
}

void TDemoForm::LiveThesaurusButtonClick() { Thesaurus->LookupWinControl(VexlorRichEdit1->Handle()); }

// ---- Other features -----------------------------------------------------------------

void TDemoForm::SequenceCheckButtonClick() {
  VexlorSpell->StartSequenceCheck();
  VexlorSpell->CheckWinControl(Edit1->Handle(), ctAll);
  VexlorSpell->CheckWinControl(Edit2->Handle(), ctAll);
  VexlorSpell->CheckWinControl(Memo1->Handle(), ctAll);
  VexlorSpell->CheckWinControl(RichEdit3->Handle(), ctAll);
  VexlorSpell->StopSequenceCheck();
}

// The check is over when CheckWinControl returns (SynchronousCheck), so the
// event is only assigned for this one check.
void TDemoForm::CustomDialogSpellCheckButtonClick() {
  VexlorSpell->OnCreateSpellDialog = [this](TVexlorSpell3Base* sender, TCustomForm*& form, bool create) {
    VexlorSpellCreateSpellDialog(sender, form, create);
  };
  VexlorSpell->CheckWinControl(Memo2->Handle(), ctAll);
  VexlorSpell->OnCreateSpellDialog = nullptr;
}

void TDemoForm::VexlorSpellCreateSpellDialog(TVexlorSpell3Base*, TCustomForm*& spellForm, bool create) {
  if (create) {
    spellForm = new TSpellingForm(this);
  } else if (spellForm) {
    spellForm->Release();
    spellForm = nullptr;
  }
}

void TDemoForm::CustomDialogNormalSpellCheckButtonClick() {
  VexlorSpell->CheckWinControl(Memo2->Handle(), ctAll);
}

void TDemoForm::EmbeddedConfigSheetShow() {
  if (embeddedConfig_) return;
  auto* form = new TSpellCheckConfigDialog(EmbeddedConfigSheet);
  const int32_t clientHeight = form->ClientHeight();
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetClientHeight(clientHeight);
  form->SetPosition(TPosition::poDesigned);
  form->SetParentWindow(EmbeddedConfigSheet);
  form->SetBounds(0, 0, form->Width(), form->Height());

  // The bridge reads these when it is linked: four options, no Help and OK.
  TVexlorConfig* config = VexlorSpell->Configuration();
  if (config && !config->ConfigLoaded()) config->SetConfigLoaded(true);
  const TSpellOptions available = VexlorSpell->ConfigAvailableOptions();
  const TSpellDialogCommands visible = VexlorSpell->CommandsVisible();
  VexlorSpell->SetConfigAvailableOptions(TSpellOptions{soNumbers, soHTML, soAbbreviations, soRepeated});
  VexlorSpell->SetCommandsVisible(visible - TSpellDialogCommands{sdcHelp, sdcConfigOK});
  form->DialogControl()->Attach(VexlorSpell);
  VexlorSpell->SetCommandsVisible(VexlorSpell->CommandsVisible() +
                                  TSpellDialogCommands{sdcHelp, sdcConfigOK});
  VexlorSpell->SetConfigAvailableOptions(available);

  embeddedConfig_ = form;
  FitEmbeddedConfig();
  form->Show();
}

void TDemoForm::EmbeddedConfigSheetHide() {
  if (!embeddedConfig_) return;
  embeddedConfig_->Release();
  embeddedConfig_ = nullptr;
}

// The embedded form keeps to the left of its page and takes its height.
void TDemoForm::FitEmbeddedConfig() {
  if (!embeddedConfig_) return;
  embeddedConfig_->SetClientHeight(EmbeddedConfigSheet->TParentWindow::ClientRect().Height());
}

void TDemoForm::FormResize() { FitEmbeddedConfig(); }

void TDemoForm::ParseButtonClick() {
  // The component's parsing engine carries a running check (the spelling
  // dialog is modeless); starting it over here would lose that check's place.
  if (VexlorSpell->Checking()) return;
  ParsedWordsLB->Clear();
  MisspelledLB->Clear();
  SuggestionsLB->Clear();
  auto parser = std::make_unique<TWinAPIControlParser>(TextToParse->Handle());
  TParsingEngine* engine = VexlorSpell->ParsingEngine();
  engine->Initialize(parser.get(), ctAll);
  std::string word;
  for (engine->GetNextWord(word); !word.empty(); engine->GetNextWord(word)) {
    ParsedWordsLB->Add(word);
    if (!VexlorSpell->IsWordCorrect(word)) MisspelledLB->Add(word);
  }
  // The engine keeps no hold on the parser once the words are read.
  engine->Initialize(nullptr, ctAll);
  if (MisspelledLB->Count() > 0) {
    MisspelledLB->SetItemIndex(0);
    MisspelledLBClick();
  }
}

void TDemoForm::MisspelledLBClick() {
  const int32_t index = MisspelledLB->ItemIndex();
  if (index < 0) return;
  TStringList suggestions;
  VexlorSpell->GetSuggestions(MisspelledLB->Items(index), suggestions);
  std::vector<std::string> items;
  for (int i = 0; i < suggestions.Count(); ++i) items.push_back(suggestions[i]);
  if (items.empty()) items.push_back("(no suggestions)");
  SuggestionsLB->SetItems(items);
}

void TDemoForm::StringGridSheetShow() {
  if (!StringGrid->Cells(0, 0).empty()) return;
  for (const TGridText& cell : kGridTexts) StringGrid->SetCells(cell.Col, cell.Row, cell.Text);
}

void TDemoForm::CheckGridButtonClick() {
  auto helper = std::make_unique<TVexlorStringGridHelper>();
  VexlorSpell->StartSequenceCheck();
  try {
    helper->BeginCheck(StringGrid);
    helper->CheckColumn(VexlorSpell, 0);
    helper->CheckColumn(VexlorSpell, 1);
  } catch (...) {
    // Nothing may leave a button's handler; the grid is restored and the
    // sequence ended all the same.
    Application().ExceptionCaught("grid check button", WM_COMMAND);
  }
  helper->EndCheck();
  VexlorSpell->StopSequenceCheck();
}
