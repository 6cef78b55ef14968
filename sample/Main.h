// The sample program's main form: one tabbed window that shows every
// feature of the suite and how an application drives its components.
#pragma once

#include <cstdint>
#include <string>

#include "vl3Form_win.h"
#include "vl3SpellTypes.h"

class TBevel;
class TImage;
class TListBox;
class TPageControl;
class TRichEdit;
class TSpellCheckConfigDialog;
class TStringGrid;
class TTabSheet;
class TThesaurus3;
class TVexlorRichEdit;
class TVexlorSpell3;
class TVexlorSpell3Base;

class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner = nullptr);
  ~TDemoForm() override;

  // The texts the word count reports, before the number.
  static const char* const kWordCountText;
  // Icon resource ids of the four page images, in page order.
  static const int kPageIcons[4];

  // ---- Controls, all owned by the form ------------------------------------
  TPageControl* PageControl;
  TTabSheet* SpellingCheckSheet;
  TImage* Image1;
  TLabel* Label1;
  TBevel* Bevel1;
  TRichEdit* RichEdit1;
  TButton* SpellCheckButton;
  TButton* ConfigureButton;
  TButton* WordCountButton;
  TTabSheet* ThesaurusSheet;
  TImage* Image2;
  TLabel* Label2;
  TBevel* Bevel2;
  TRichEdit* RichEdit2;
  TButton* ThesaurusButton;
  TTabSheet* RichEditSheet;
  TImage* Image3;
  TLabel* Label3;
  TBevel* Bevel3;
  TVexlorRichEdit* VexlorRichEdit1;
  TButton* LiveSpellButton;
  TButton* LiveConfigureButton;
  TButton* LiveThesaurusButton;
  TTabSheet* OtherFeaturesSheet;
  TImage* Image4;
  TLabel* Label4;
  TBevel* Bevel4;
  TPageControl* PageControl1;
  TTabSheet* SequenceCheckSheet;
  TEdit* Edit1;
  TMemo* Memo1;
  TEdit* Edit2;
  TRichEdit* RichEdit3;
  TButton* SequenceCheckButton;
  TTabSheet* CustomDialogsSheet;
  TLabel* Label5;
  TMemo* Memo2;
  TButton* CustomDialogSpellCheckButton;
  TButton* CustomDialogNormalSpellCheckButton;
  TTabSheet* EmbeddedConfigSheet;
  TVexlorRichEdit* VexlorRichEdit2;
  TTabSheet* SilentCheckSheet;
  TLabel* Label8;
  TMemo* TextToParse;
  TButton* ParseButton;
  TLabel* Label7;
  TListBox* ParsedWordsLB;
  TLabel* Label6;
  TListBox* MisspelledLB;
  TLabel* SuggestionsLabel;
  TListBox* SuggestionsLB;
  TTabSheet* StringGridSheet;
  TStringGrid* StringGrid;
  TButton* CheckGridButton;

  // ---- Components, owned by the form ----------------------------------------
  TVexlorSpell3* VexlorSpell;
  TThesaurus3* Thesaurus;

  // The configuration dialog embedded in its page while the page shows;
  // owned by the page, null otherwise.
  TSpellCheckConfigDialog* EmbeddedConfigForm() const { return embeddedConfig_; }

  // ---- Handlers ----------------------------------------------------------------
  void FormCreate();
  void SpellCheckButtonClick();
  void ConfigureButtonClick();
  void WordCountButtonClick();
  void ThesaurusButtonClick();
  void LiveSpellButtonClick();
  void LiveThesaurusButtonClick();
  void SequenceCheckButtonClick();
  void CustomDialogSpellCheckButtonClick();
  void CustomDialogNormalSpellCheckButtonClick();
  void VexlorSpellCreateSpellDialog(TVexlorSpell3Base* sender, TCustomForm*& spellForm, bool create);
  void EmbeddedConfigSheetShow();
  void EmbeddedConfigSheetHide();
  void ParseButtonClick();
  void MisspelledLBClick();
  void StringGridSheetShow();
  void CheckGridButtonClick();
  void FormResize();

 private:
  void SetUpSpellChecker();
  void SetUpThesaurus();
  void SetUpControls();
  void LoadPageIcons();
  void FitEmbeddedConfig();

  TSpellCheckConfigDialog* embeddedConfig_ = nullptr;
};
