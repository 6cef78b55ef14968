// The table of dialog, message and menu texts per user-interface language,
// kept in UTF-8 here and converted once to each language's code page.
#include "vl3SpellLanguages.h"

#include <array>
#include <cstddef>

namespace {

// ---- Code pages ------------------------------------------------------------

// Unicode code points of the bytes 0x80 to 0xFF; 0 marks an unassigned byte.
const uint16_t kCodePage1250[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const uint16_t kCodePage1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const uint16_t kCodePage1252[128] = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

const uint16_t* UpperHalf(int codePage) {
  switch (codePage) {
    case 1250: return kCodePage1250;
    case 1251: return kCodePage1251;
    case 1252: return kCodePage1252;
    default: return nullptr;
  }
}

// Decodes one UTF-8 sequence at text[pos]; false (and one byte consumed) when
// it is malformed, overlong, a surrogate or truncated.
bool DecodeUtf8(const std::string& text, size_t& pos, uint32_t& codePoint) {
  const unsigned char lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) {
    codePoint = lead;
    return true;
  }
  size_t extra;
  uint32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, minimum = 0x80, codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, minimum = 0x800, codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, minimum = 0x10000, codePoint = lead & 0x07;
  } else {
    return false;
  }
  if (text.size() - pos < extra) return false;
  for (size_t i = 0; i < extra; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[pos + i]);
    if ((c & 0xC0) != 0x80) return false;
    codePoint = (codePoint << 6) | (c & 0x3F);
  }
  pos += extra;
  return codePoint >= minimum && codePoint <= 0x10FFFF &&
         !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// ---- The texts ---------------------------------------------------------------
// One block per language, in UTF-8, each row tagged with its id so that a
// translator can correct a row without counting. '&' marks the accelerator;
// blanks around group captions are part of the text.

struct TEntry {
  TSpellLanguageString id;
  const char* text;
};

// English (code page 1252)
const TEntry kEnglish[] = {
    {lsOptionLiveSpelling,        "Check spelling as you type"},
    {lsOptionLiveCorrect,         "Correct spelling errors as you type"},
    {lsOptionUpcase,              "Ignore words in &UPPERCASE"},
    {lsOptionNumbers,             "Ignore words containing numbers"},
    {lsOptionHTML,                "Ignore markup languages (&HTML, XML, etc)"},
    {lsOptionInternet,            "Ignore Internet addresses"},
    {lsOptionQuoted,              "Ignore quoted lines"},
    {lsOptionAbbreviations,       "Ignore abbreviations"},
    {lsOptionPrimaryOnly,         "Suggest from main dictionaries only"},
    {lsOptionRepeated,            "Prompt on repeated word"},
    {lsConfirmation,              "Confirmation:"},
    {lsDeleteCustomDictionary,    "Delete this custom dictionary?"},
    {lsInternalDictionaryName,    "(Ignore All / Change All)"},
    {lsSpellDialogCaption,        "Spelling"},
    {lsConfigDialogCaption,       "Spelling Options"},
    {lsDictionariesDialogCaption, "Dictionaries"},
    {lsInternalDictionaryTitle,   "Words added with Ignore All / Change All"},
    {lsNewDictionaryCaption,      "New Custom Dictionary"},
    {lsNotFound,                  "Not Found:"},
    {lsRepeatedWord,              "Repeated Word:"},
    {lsReplaceWith,               "&Replace With:"},
    {lsSuggestions,               "&Suggestions:"},
    {lsUndo,                      "&Undo"},
    {lsOptions,                   "&Options"},
    {lsIgnoreAll,                 "&Ignore All"},
    {lsIgnore,                    "I&gnore"},
    {lsChangeAll,                 "&Change All"},
    {lsChange,                    "C&hange"},
    {lsAdd,                       "&Add"},
    {lsAutoCorrect,               "Au&to-Correct"},
    {lsHelp,                      "&Help"},
    {lsCancel,                    "Cancel"},
    {lsResetDefaults,             "Reset Defaults"},
    {lsOptionsGroup,              " O&ptions: "},
    {lsDictionariesGroup,         " D&ictionaries: "},
    {lsNameColumn,                "Name"},
    {lsFilenameColumn,            "Filename"},
    {lsCustomDictionary,          "&Custom Dictionary:"},
    {lsDictionariesButton,        "&Dictionaries ..."},
    {lsLocateDictionaries,        "Locate Dictionaries..."},
    {lsChooseDictionaryFolder,    "Choose Folder Containing Dictionaries"},
    {lsCustomDictionariesGroup,   " Custom Dictionaries: "},
    {lsEdit,                      "&Edit"},
    {lsDelete,                    "&Delete"},
    {lsNew,                       "&New"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Enter the new custom dictionary name:"},
    {lsAddedWordsSheet,           "Add&ed Words"},
    {lsAddedWordsExplain,         "These words will be considered correct during a spell check operation."},
    {lsIgnoreThisWord,            "&Ignore this word:"},
    {lsAutoCorrectSheet,          "A&uto-Correct Pairs"},
    {lsAutoCorrectExplain,        "These words will automatically be corrected when encountered during a spelling check."},
    {lsReplace,                   "&Replace:"},
    {lsWith,                      "&With:"},
    {lsExcludedWordsSheet,        "&Excluded Words"},
    {lsExcludedWordsExplain,      "These words will always be considered incorrect during a spell check operation."},
    {lsExcludeThisWord,           "E&xclude this word:"},
    {lsCheckComplete,             "The spelling check is complete."},
    {lsWordsChecked,              "Words checked:"},
    {lsCheckRemainder,            "The selection has been checked.  Would you like to check the remainder of the document?"},
    {lsNoSuggestions,             "(no suggestions)"},
    {lsMenuIgnore,                "I&gnore"},
    {lsMenuIgnoreAll,             "&Ignore All"},
    {lsMenuAdd,                   "&Add"},
    {lsMenuChangeAll,             "&Change All"},
    {lsMenuAutoCorrect,           "A&uto Correct"},
    {lsMenuSpelling,              "&Spelling ..."},
};

// Swedish (code page 1252)
const TEntry kSwedish[] = {
    {lsOptionLiveSpelling,        "Kontrollera stavning medan du skriver"},
    {lsOptionLiveCorrect,         "Rätta stavfel medan du skriver"},
    {lsOptionUpcase,              "Ignorera ord med &VERSALER"},
    {lsOptionNumbers,             "Ignorera ord som innehåller siffror"},
    {lsOptionHTML,                "Ignorera märkspråk (&HTML, XML osv.)"},
    {lsOptionInternet,            "Ignorera Internetadresser"},
    {lsOptionQuoted,              "Ignorera citerade rader"},
    {lsOptionAbbreviations,       "Ignorera förkortningar"},
    {lsOptionPrimaryOnly,         "Föreslå endast från huvudordlistor"},
    {lsOptionRepeated,            "Fråga vid upprepade ord"},
    {lsConfirmation,              "Bekräftelse:"},
    {lsDeleteCustomDictionary,    "Vill du ta bort den här egna ordlistan?"},
    {lsInternalDictionaryName,    "(Ignorera alla / Ändra alla)"},
    {lsSpellDialogCaption,        "Stavning"},
    {lsConfigDialogCaption,       "Stavningsalternativ"},
    {lsDictionariesDialogCaption, "Ordlistor"},
    {lsInternalDictionaryTitle,   "Ord som lagts till med Ignorera alla / Ändra alla"},
    {lsNewDictionaryCaption,      "Ny egen ordlista"},
    {lsNotFound,                  "Finns inte:"},
    {lsRepeatedWord,              "Upprepat ord:"},
    {lsReplaceWith,               "&Ersätt med:"},
    {lsSuggestions,               "&Förslag:"},
    {lsUndo,                      "&Ångra"},
    {lsOptions,                   "Alternati&v"},
    {lsIgnoreAll,                 "&Ignorera alla"},
    {lsIgnore,                    "I&gnorera"},
    {lsChangeAll,                 "Ä&ndra alla"},
    {lsChange,                    "&Ändra"},
    {lsAdd,                       "&Lägg till"},
    {lsAutoCorrect,               "Autokorrige&ra"},
    {lsHelp,                      "&Hjälp"},
    {lsCancel,                    "Avbryt"},
    {lsResetDefaults,             "Återställ standard"},
    {lsOptionsGroup,              " Al&ternativ: "},
    {lsDictionariesGroup,         " &Ordlistor: "},
    {lsNameColumn,                "Namn"},
    {lsFilenameColumn,            "Filnamn"},
    {lsCustomDictionary,          "&Egen ordlista:"},
    {lsDictionariesButton,        "Ord&listor ..."},
    {lsLocateDictionaries,        "Leta upp ordlistor..."},
    {lsChooseDictionaryFolder,    "Välj mapp som innehåller ordlistor"},
    {lsCustomDictionariesGroup,   " Egna ordlistor: "},
    {lsEdit,                      "&Redigera"},
    {lsDelete,                    "&Ta bort"},
    {lsNew,                       "&Ny"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Ange namnet på den nya egna ordlistan:"},
    {lsAddedWordsSheet,           "Tillagda &ord"},
    {lsAddedWordsExplain,         "Dessa ord betraktas som korrekta vid stavningskontroll."},
    {lsIgnoreThisWord,            "&Ignorera detta ord:"},
    {lsAutoCorrectSheet,          "A&utokorrigeringspar"},
    {lsAutoCorrectExplain,        "Dessa ord rättas automatiskt när de påträffas vid stavningskontroll."},
    {lsReplace,                   "&Ersätt:"},
    {lsWith,                      "&Med:"},
    {lsExcludedWordsSheet,        "&Uteslutna ord"},
    {lsExcludedWordsExplain,      "Dessa ord betraktas alltid som felaktiga vid stavningskontroll."},
    {lsExcludeThisWord,           "U&teslut detta ord:"},
    {lsCheckComplete,             "Stavningskontrollen är klar."},
    {lsWordsChecked,              "Kontrollerade ord:"},
    {lsCheckRemainder,            "Markeringen har kontrollerats.  Vill du kontrollera resten av dokumentet?"},
    {lsNoSuggestions,             "(inga förslag)"},
    {lsMenuIgnore,                "I&gnorera"},
    {lsMenuIgnoreAll,             "&Ignorera alla"},
    {lsMenuAdd,                   "&Lägg till"},
    {lsMenuChangeAll,             "Ä&ndra alla"},
    {lsMenuAutoCorrect,           "A&utokorrigera"},
    {lsMenuSpelling,              "&Stavning ..."},
};

// BrPort (code page 1252)
const TEntry kBrPort[] = {
    {lsOptionLiveSpelling,        "Verificar ortografia ao digitar"},
    {lsOptionLiveCorrect,         "Corrigir erros ortográficos ao digitar"},
    {lsOptionUpcase,              "Ignorar palavras em &MAIÚSCULAS"},
    {lsOptionNumbers,             "Ignorar palavras com números"},
    {lsOptionHTML,                "Ignorar linguagens de marcação (&HTML, XML, etc)"},
    {lsOptionInternet,            "Ignorar endereços da Internet"},
    {lsOptionQuoted,              "Ignorar linhas citadas"},
    {lsOptionAbbreviations,       "Ignorar abreviaturas"},
    {lsOptionPrimaryOnly,         "Sugerir somente dos dicionários principais"},
    {lsOptionRepeated,            "Avisar sobre palavras repetidas"},
    {lsConfirmation,              "Confirmação:"},
    {lsDeleteCustomDictionary,    "Excluir este dicionário personalizado?"},
    {lsInternalDictionaryName,    "(Ignorar todas / Alterar todas)"},
    {lsSpellDialogCaption,        "Ortografia"},
    {lsConfigDialogCaption,       "Opções de ortografia"},
    {lsDictionariesDialogCaption, "Dicionários"},
    {lsInternalDictionaryTitle,   "Palavras adicionadas com Ignorar todas / Alterar todas"},
    {lsNewDictionaryCaption,      "Novo dicionário personalizado"},
    {lsNotFound,                  "Não encontrada:"},
    {lsRepeatedWord,              "Palavra repetida:"},
    {lsReplaceWith,               "Substituir &por:"},
    {lsSuggestions,               "&Sugestões:"},
    {lsUndo,                      "&Desfazer"},
    {lsOptions,                   "&Opções"},
    {lsIgnoreAll,                 "Ignorar &todas"},
    {lsIgnore,                    "I&gnorar"},
    {lsChangeAll,                 "A&lterar todas"},
    {lsChange,                    "Alte&rar"},
    {lsAdd,                       "&Adicionar"},
    {lsAutoCorrect,               "Auto&correção"},
    {lsHelp,                      "Aj&uda"},
    {lsCancel,                    "Cancelar"},
    {lsResetDefaults,             "Restaurar padrões"},
    {lsOptionsGroup,              " O&pções: "},
    {lsDictionariesGroup,         " D&icionários: "},
    {lsNameColumn,                "Nome"},
    {lsFilenameColumn,            "Nome do arquivo"},
    {lsCustomDictionary,          "Dicionário &personalizado:"},
    {lsDictionariesButton,        "&Dicionários ..."},
    {lsLocateDictionaries,        "Localizar dicionários..."},
    {lsChooseDictionaryFolder,    "Escolha a pasta que contém os dicionários"},
    {lsCustomDictionariesGroup,   " Dicionários personalizados: "},
    {lsEdit,                      "&Editar"},
    {lsDelete,                    "E&xcluir"},
    {lsNew,                       "&Novo"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Digite o nome do novo dicionário personalizado:"},
    {lsAddedWordsSheet,           "Palavras adi&cionadas"},
    {lsAddedWordsExplain,         "Estas palavras serão consideradas corretas durante a verificação ortográfica."},
    {lsIgnoreThisWord,            "&Ignorar esta palavra:"},
    {lsAutoCorrectSheet,          "Pares de a&utocorreção"},
    {lsAutoCorrectExplain,        "Estas palavras serão corrigidas automaticamente quando encontradas durante a verificação ortográfica."},
    {lsReplace,                   "&Substituir:"},
    {lsWith,                      "&Por:"},
    {lsExcludedWordsSheet,        "Palavras &excluídas"},
    {lsExcludedWordsExplain,      "Estas palavras serão sempre consideradas incorretas durante a verificação ortográfica."},
    {lsExcludeThisWord,           "E&xcluir esta palavra:"},
    {lsCheckComplete,             "A verificação ortográfica está concluída."},
    {lsWordsChecked,              "Palavras verificadas:"},
    {lsCheckRemainder,            "A seleção foi verificada.  Deseja verificar o restante do documento?"},
    {lsNoSuggestions,             "(sem sugestões)"},
    {lsMenuIgnore,                "I&gnorar"},
    {lsMenuIgnoreAll,             "Ignorar &todas"},
    {lsMenuAdd,                   "&Adicionar"},
    {lsMenuChangeAll,             "A&lterar todas"},
    {lsMenuAutoCorrect,           "Auto&correção"},
    {lsMenuSpelling,              "&Ortografia..."},
};

// Afrikaans (code page 1252)
const TEntry kAfrikaans[] = {
    {lsOptionLiveSpelling,        "Kontroleer spelling terwyl jy tik"},
    {lsOptionLiveCorrect,         "Korrigeer spelfoute terwyl jy tik"},
    {lsOptionUpcase,              "Ignoreer woorde in &HOOFLETTERS"},
    {lsOptionNumbers,             "Ignoreer woorde wat syfers bevat"},
    {lsOptionHTML,                "Ignoreer opmaaktale (&HTML, XML, ens.)"},
    {lsOptionInternet,            "Ignoreer internetadresse"},
    {lsOptionQuoted,              "Ignoreer aangehaalde reëls"},
    {lsOptionAbbreviations,       "Ignoreer afkortings"},
    {lsOptionPrimaryOnly,         "Stel slegs uit hoofwoordeboeke voor"},
    {lsOptionRepeated,            "Vra by herhaalde woorde"},
    {lsConfirmation,              "Bevestiging:"},
    {lsDeleteCustomDictionary,    "Skrap hierdie eie woordeboek?"},
    {lsInternalDictionaryName,    "(Ignoreer alles / Verander alles)"},
    {lsSpellDialogCaption,        "Spelreëls"},
    {lsConfigDialogCaption,       "Speltoetsopsies"},
    {lsDictionariesDialogCaption, "Woordeboeke"},
    {lsInternalDictionaryTitle,   "Woorde bygevoeg met Ignoreer alles / Verander alles"},
    {lsNewDictionaryCaption,      "Nuwe eie woordeboek"},
    {lsNotFound,                  "Nie gevind nie:"},
    {lsRepeatedWord,              "Herhaalde woord:"},
    {lsReplaceWith,               "Vervang &met:"},
    {lsSuggestions,               "&Voorstelle:"},
    {lsUndo,                      "&Ontdoen"},
    {lsOptions,                   "O&psies"},
    {lsIgnoreAll,                 "Ignoreer &alles"},
    {lsIgnore,                    "&Ignoreer"},
    {lsChangeAll,                 "Verander a&lles"},
    {lsChange,                    "Ve&rander"},
    {lsAdd,                       "Voeg &by"},
    {lsAutoCorrect,               "Ou&tokorreksie"},
    {lsHelp,                      "&Hulp"},
    {lsCancel,                    "&Kanselleer"},
    {lsResetDefaults,             "Herstel verstekwaardes"},
    {lsOptionsGroup,              " O&psies: "},
    {lsDictionariesGroup,         " &Woordeboeke: "},
    {lsNameColumn,                "Naam"},
    {lsFilenameColumn,            "Lêernaam"},
    {lsCustomDictionary,          "&Eie woordeboek:"},
    {lsDictionariesButton,        "&Woordeboeke ..."},
    {lsLocateDictionaries,        "Soek woordeboeke..."},
    {lsChooseDictionaryFolder,    "Kies die gids wat woordeboeke bevat"},
    {lsCustomDictionariesGroup,   " Eie woordeboeke: "},
    {lsEdit,                      "R&edigeer"},
    {lsDelete,                    "&Skrap"},
    {lsNew,                       "&Nuut"},
    {lsOK,                        "&Goed"},
    {lsEnterNewName,              "&Tik die naam van die nuwe eie woordeboek in:"},
    {lsAddedWordsSheet,           "&Bygevoegde woorde"},
    {lsAddedWordsExplain,         "Hierdie woorde sal tydens 'n speltoets as korrek beskou word."},
    {lsIgnoreThisWord,            "&Ignoreer hierdie woord:"},
    {lsAutoCorrectSheet,          "O&utokorreksiepare"},
    {lsAutoCorrectExplain,        "Hierdie woorde sal outomaties gekorrigeer word wanneer hulle tydens 'n speltoets teëgekom word."},
    {lsReplace,                   "&Vervang:"},
    {lsWith,                      "&Met:"},
    {lsExcludedWordsSheet,        "&Uitgeslote woorde"},
    {lsExcludedWordsExplain,      "Hierdie woorde sal tydens 'n speltoets altyd as verkeerd beskou word."},
    {lsExcludeThisWord,           "Sluit hierdie woord &uit:"},
    {lsCheckComplete,             "Die speltoets is voltooi."},
    {lsWordsChecked,              "Woorde gekontroleer:"},
    {lsCheckRemainder,            "Die seleksie is gekontroleer.  Wil jy die res van die dokument kontroleer?"},
    {lsNoSuggestions,             "(Geen voorstelle nie)"},
    {lsMenuIgnore,                "&Ignoreer"},
    {lsMenuIgnoreAll,             "Ignoreer &alles"},
    {lsMenuAdd,                   "Voeg &by"},
    {lsMenuChangeAll,             "Verander a&lles"},
    {lsMenuAutoCorrect,           "O&utokorreksie"},
    {lsMenuSpelling,              "&Spel toets ..."},
};

// German (code page 1252)
const TEntry kGerman[] = {
    {lsOptionLiveSpelling,        "Rechtschreibung während der Eingabe prüfen"},
    {lsOptionLiveCorrect,         "Rechtschreibfehler während der Eingabe korrigieren"},
    {lsOptionUpcase,              "Wörter in &GROSSBUCHSTABEN ignorieren"},
    {lsOptionNumbers,             "Wörter mit Zahlen ignorieren"},
    {lsOptionHTML,                "Auszeichnungssprachen ignorieren (&HTML, XML usw.)"},
    {lsOptionInternet,            "Internetadressen ignorieren"},
    {lsOptionQuoted,              "Zitierte Zeilen ignorieren"},
    {lsOptionAbbreviations,       "Abkürzungen ignorieren"},
    {lsOptionPrimaryOnly,         "Nur Vorschläge aus Hauptwörterbüchern"},
    {lsOptionRepeated,            "Bei wiederholten Wörtern nachfragen"},
    {lsConfirmation,              "Bestätigung:"},
    {lsDeleteCustomDictionary,    "Dieses Benutzerwörterbuch löschen?"},
    {lsInternalDictionaryName,    "(Alle ignorieren / Alle ändern)"},
    {lsSpellDialogCaption,        "Rechtschreibprüfung"},
    {lsConfigDialogCaption,       "Rechtschreiboptionen"},
    {lsDictionariesDialogCaption, "Wörterbücher"},
    {lsInternalDictionaryTitle,   "Mit Alle ignorieren / Alle ändern hinzugefügte Wörter"},
    {lsNewDictionaryCaption,      "Neues Benutzerwörterbuch"},
    {lsNotFound,                  "Nicht gefunden:"},
    {lsRepeatedWord,              "Wiederholtes Wort:"},
    {lsReplaceWith,               "&Ersetzen durch:"},
    {lsSuggestions,               "&Vorschläge:"},
    {lsUndo,                      "&Rückgängig"},
    {lsOptions,                   "&Optionen"},
    {lsIgnoreAll,                 "Alle i&gnorieren"},
    {lsIgnore,                    "&Ignorieren"},
    {lsChangeAll,                 "Alle än&dern"},
    {lsChange,                    "&Ändern"},
    {lsAdd,                       "&Hinzufügen"},
    {lsAutoCorrect,               "Auto&Korrektur"},
    {lsHelp,                      "Hi&lfe"},
    {lsCancel,                    "Abbrechen"},
    {lsResetDefaults,             "Standard wiederherstellen"},
    {lsOptionsGroup,              " O&ptionen: "},
    {lsDictionariesGroup,         " &Wörterbücher: "},
    {lsNameColumn,                "Name"},
    {lsFilenameColumn,            "Dateiname"},
    {lsCustomDictionary,          "&Benutzerwörterbuch:"},
    {lsDictionariesButton,        "W&örterbücher ..."},
    {lsLocateDictionaries,        "Wörterbücher suchen..."},
    {lsChooseDictionaryFolder,    "Ordner mit Wörterbüchern auswählen"},
    {lsCustomDictionariesGroup,   " Benutzerwörterbücher: "},
    {lsEdit,                      "&Bearbeiten"},
    {lsDelete,                    "&Löschen"},
    {lsNew,                       "&Neu"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Geben Sie den Namen des neuen Benutzerwörterbuchs ein:"},
    {lsAddedWordsSheet,           "Hinzugefügte &Wörter"},
    {lsAddedWordsExplain,         "Diese Wörter werden bei der Rechtschreibprüfung als richtig betrachtet."},
    {lsIgnoreThisWord,            "Dieses Wort &ignorieren:"},
    {lsAutoCorrectSheet,          "Auto&Korrektur-Paare"},
    {lsAutoCorrectExplain,        "Diese Wörter werden bei der Rechtschreibprüfung automatisch korrigiert."},
    {lsReplace,                   "&Ersetzen:"},
    {lsWith,                      "&Durch:"},
    {lsExcludedWordsSheet,        "&Ausgeschlossene Wörter"},
    {lsExcludedWordsExplain,      "Diese Wörter werden bei der Rechtschreibprüfung immer als falsch betrachtet."},
    {lsExcludeThisWord,           "Dieses Wort a&usschließen:"},
    {lsCheckComplete,             "Die Rechtschreibprüfung ist abgeschlossen."},
    {lsWordsChecked,              "Geprüfte Wörter:"},
    {lsCheckRemainder,            "Die Markierung wurde geprüft.  Möchten Sie den Rest des Dokuments prüfen?"},
    {lsNoSuggestions,             "(keine Vorschläge)"},
    {lsMenuIgnore,                "&Ignorieren"},
    {lsMenuIgnoreAll,             "Alle i&gnorieren"},
    {lsMenuAdd,                   "&Hinzufügen"},
    {lsMenuChangeAll,             "Alle än&dern"},
    {lsMenuAutoCorrect,           "Auto&Korrektur"},
    {lsMenuSpelling,              "&Rechtschreibprüfung ..."},
};

// Spanish (code page 1252)
const TEntry kSpanish[] = {
    {lsOptionLiveSpelling,        "Revisar la ortografía mientras escribe"},
    {lsOptionLiveCorrect,         "Corregir errores ortográficos mientras escribe"},
    {lsOptionUpcase,              "Omitir palabras en &MAYÚSCULAS"},
    {lsOptionNumbers,             "Omitir palabras que contienen números"},
    {lsOptionHTML,                "Omitir lenguajes de marcas (&HTML, XML, etc.)"},
    {lsOptionInternet,            "Omitir direcciones de Internet"},
    {lsOptionQuoted,              "Omitir líneas citadas"},
    {lsOptionAbbreviations,       "Omitir abreviaturas"},
    {lsOptionPrimaryOnly,         "Sugerir solo de los diccionarios principales"},
    {lsOptionRepeated,            "Avisar de palabras repetidas"},
    {lsConfirmation,              "Confirmación:"},
    {lsDeleteCustomDictionary,    "¿Eliminar este diccionario personalizado?"},
    {lsInternalDictionaryName,    "(Ignorar todas / Cambiar todas)"},
    {lsSpellDialogCaption,        "Ortografía"},
    {lsConfigDialogCaption,       "Opciones de ortografía"},
    {lsDictionariesDialogCaption, "Diccionarios"},
    {lsInternalDictionaryTitle,   "Palabras agregadas con Ignorar todas / Cambiar todas"},
    {lsNewDictionaryCaption,      "Nuevo diccionario personalizado"},
    {lsNotFound,                  "No encontrada:"},
    {lsRepeatedWord,              "Palabra repetida:"},
    {lsReplaceWith,               "&Reemplazar con:"},
    {lsSuggestions,               "&Sugerencias:"},
    {lsUndo,                      "&Deshacer"},
    {lsOptions,                   "&Opciones"},
    {lsIgnoreAll,                 "&Ignorar todas"},
    {lsIgnore,                    "I&gnorar"},
    {lsChangeAll,                 "Cambiar &todas"},
    {lsChange,                    "&Cambiar"},
    {lsAdd,                       "&Agregar"},
    {lsAutoCorrect,               "Autocorr&ección"},
    {lsHelp,                      "Ay&uda"},
    {lsCancel,                    "Cancelar"},
    {lsResetDefaults,             "Restablecer valores predeterminados"},
    {lsOptionsGroup,              " O&pciones: "},
    {lsDictionariesGroup,         " D&iccionarios: "},
    {lsNameColumn,                "Nombre"},
    {lsFilenameColumn,            "Nombre de archivo"},
    {lsCustomDictionary,          "Diccionario &personalizado:"},
    {lsDictionariesButton,        "&Diccionarios ..."},
    {lsLocateDictionaries,        "Buscar diccionarios..."},
    {lsChooseDictionaryFolder,    "Elija la carpeta que contiene los diccionarios"},
    {lsCustomDictionariesGroup,   " Diccionarios personalizados: "},
    {lsEdit,                      "&Editar"},
    {lsDelete,                    "E&liminar"},
    {lsNew,                       "&Nuevo"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Escriba el nombre del nuevo diccionario personalizado:"},
    {lsAddedWordsSheet,           "Palabras agr&egadas"},
    {lsAddedWordsExplain,         "Estas palabras se considerarán correctas durante la revisión ortográfica."},
    {lsIgnoreThisWord,            "&Ignorar esta palabra:"},
    {lsAutoCorrectSheet,          "Pares de a&utocorrección"},
    {lsAutoCorrectExplain,        "Estas palabras se corregirán automáticamente cuando aparezcan durante la revisión ortográfica."},
    {lsReplace,                   "&Reemplazar:"},
    {lsWith,                      "&Con:"},
    {lsExcludedWordsSheet,        "Palabras e&xcluidas"},
    {lsExcludedWordsExplain,      "Estas palabras siempre se considerarán incorrectas durante la revisión ortográfica."},
    {lsExcludeThisWord,           "E&xcluir esta palabra:"},
    {lsCheckComplete,             "La revisión ortográfica ha finalizado."},
    {lsWordsChecked,              "Palabras revisadas:"},
    {lsCheckRemainder,            "Se ha revisado la selección.  ¿Desea revisar el resto del documento?"},
    {lsNoSuggestions,             "(sin sugerencias)"},
    {lsMenuIgnore,                "I&gnorar"},
    {lsMenuIgnoreAll,             "&Ignorar todas"},
    {lsMenuAdd,                   "&Agregar"},
    {lsMenuChangeAll,             "Cambiar &todas"},
    {lsMenuAutoCorrect,           "A&utocorrección"},
    {lsMenuSpelling,              "&Ortografía ..."},
};

// Russian (code page 1251)
const TEntry kRussian[] = {
    {lsOptionLiveSpelling,        "Проверять орфографию при вводе"},
    {lsOptionLiveCorrect,         "Исправлять ошибки при вводе"},
    {lsOptionUpcase,              "Пропускать слова из &ПРОПИСНЫХ букв"},
    {lsOptionNumbers,             "Пропускать слова с цифрами"},
    {lsOptionHTML,                "Пропускать языки разметки (&HTML, XML и т. п.)"},
    {lsOptionInternet,            "Пропускать интернет-адреса"},
    {lsOptionQuoted,              "Пропускать цитируемые строки"},
    {lsOptionAbbreviations,       "Пропускать сокращения"},
    {lsOptionPrimaryOnly,         "Предлагать только из основных словарей"},
    {lsOptionRepeated,            "Сообщать о повторяющихся словах"},
    {lsConfirmation,              "Подтверждение:"},
    {lsDeleteCustomDictionary,    "Удалить этот пользовательский словарь?"},
    {lsInternalDictionaryName,    "(Пропустить все / Заменить все)"},
    {lsSpellDialogCaption,        "Орфография"},
    {lsConfigDialogCaption,       "Параметры орфографии"},
    {lsDictionariesDialogCaption, "Словари"},
    {lsInternalDictionaryTitle,   "Слова, добавленные командами «Пропустить все» и «Заменить все»"},
    {lsNewDictionaryCaption,      "Новый пользовательский словарь"},
    {lsNotFound,                  "Нет в словаре:"},
    {lsRepeatedWord,              "Повтор слова:"},
    {lsReplaceWith,               "Заменить &на:"},
    {lsSuggestions,               "&Варианты:"},
    {lsUndo,                      "&Отменить"},
    {lsOptions,                   "П&араметры"},
    {lsIgnoreAll,                 "Пропустить вс&е"},
    {lsIgnore,                    "&Пропустить"},
    {lsChangeAll,                 "За&менить все"},
    {lsChange,                    "&Заменить"},
    {lsAdd,                       "&Добавить"},
    {lsAutoCorrect,               "&Автозамена"},
    {lsHelp,                      "&Справка"},
    {lsCancel,                    "Отмена"},
    {lsResetDefaults,             "По умолчанию"},
    {lsOptionsGroup,              " &Параметры: "},
    {lsDictionariesGroup,         " С&ловари: "},
    {lsNameColumn,                "Имя"},
    {lsFilenameColumn,            "Имя файла"},
    {lsCustomDictionary,          "&Пользовательский словарь:"},
    {lsDictionariesButton,        "&Словари ..."},
    {lsLocateDictionaries,        "Найти словари..."},
    {lsChooseDictionaryFolder,    "Выберите папку со словарями"},
    {lsCustomDictionariesGroup,   " Пользовательские словари: "},
    {lsEdit,                      "&Изменить"},
    {lsDelete,                    "&Удалить"},
    {lsNew,                       "&Создать"},
    {lsOK,                        "&ОК"},
    {lsEnterNewName,              "&Введите имя нового пользовательского словаря:"},
    {lsAddedWordsSheet,           "&Добавленные слова"},
    {lsAddedWordsExplain,         "Эти слова будут считаться правильными при проверке орфографии."},
    {lsIgnoreThisWord,            "&Пропускать это слово:"},
    {lsAutoCorrectSheet,          "Пары &автозамены"},
    {lsAutoCorrectExplain,        "Эти слова будут автоматически исправляться при проверке орфографии."},
    {lsReplace,                   "&Заменить:"},
    {lsWith,                      "&На:"},
    {lsExcludedWordsSheet,        "&Исключённые слова"},
    {lsExcludedWordsExplain,      "Эти слова всегда будут считаться неправильными при проверке орфографии."},
    {lsExcludeThisWord,           "&Исключить это слово:"},
    {lsCheckComplete,             "Проверка орфографии завершена."},
    {lsWordsChecked,              "Проверено слов:"},
    {lsCheckRemainder,            "Выделенный фрагмент проверен.  Проверить оставшуюся часть документа?"},
    {lsNoSuggestions,             "(варианты остутствуют)"},
    {lsMenuIgnore,                "&Пропустить"},
    {lsMenuIgnoreAll,             "Пропустить вс&е"},
    {lsMenuAdd,                   "&Добавить"},
    {lsMenuChangeAll,             "За&менить все"},
    {lsMenuAutoCorrect,           "&Автозамена"},
    {lsMenuSpelling,              "&Проверка орфографии..."},
};

// Czech (code page 1250)
const TEntry kCzech[] = {
    {lsOptionLiveSpelling,        "Kontrolovat pravopis během psaní"},
    {lsOptionLiveCorrect,         "Opravovat pravopisné chyby během psaní"},
    {lsOptionUpcase,              "Ignorovat slova psaná &VELKÝMI PÍSMENY"},
    {lsOptionNumbers,             "Ignorovat slova obsahující číslice"},
    {lsOptionHTML,                "Ignorovat značkovací jazyky (&HTML, XML atd.)"},
    {lsOptionInternet,            "Ignorovat internetové adresy"},
    {lsOptionQuoted,              "Ignorovat citované řádky"},
    {lsOptionAbbreviations,       "Ignorovat zkratky"},
    {lsOptionPrimaryOnly,         "Navrhovat pouze z hlavních slovníků"},
    {lsOptionRepeated,            "Upozorňovat na opakovaná slova"},
    {lsConfirmation,              "Potvrzení:"},
    {lsDeleteCustomDictionary,    "Odstranit tento vlastní slovník?"},
    {lsInternalDictionaryName,    "(Ignorovat vše / Změnit vše)"},
    {lsSpellDialogCaption,        "Pravopis"},
    {lsConfigDialogCaption,       "Možnosti pravopisu"},
    {lsDictionariesDialogCaption, "Slovníky"},
    {lsInternalDictionaryTitle,   "Slova přidaná příkazy Ignorovat vše / Změnit vše"},
    {lsNewDictionaryCaption,      "Nový vlastní slovník"},
    {lsNotFound,                  "Nenalezeno:"},
    {lsRepeatedWord,              "Opakované slovo:"},
    {lsReplaceWith,               "&Nahradit za:"},
    {lsSuggestions,               "Návr&hy:"},
    {lsUndo,                      "&Zpět"},
    {lsOptions,                   "&Možnosti"},
    {lsIgnoreAll,                 "Ignorovat &vše"},
    {lsIgnore,                    "I&gnorovat"},
    {lsChangeAll,                 "Změnit v&še"},
    {lsChange,                    "Z&měnit"},
    {lsAdd,                       "Přid&at"},
    {lsAutoCorrect,               "Au&tomatické opravy"},
    {lsHelp,                      "Nápo&věda"},
    {lsCancel,                    "Storno"},
    {lsResetDefaults,             "Obnovit výchozí"},
    {lsOptionsGroup,              " Mo&žnosti: "},
    {lsDictionariesGroup,         " &Slovníky: "},
    {lsNameColumn,                "Název"},
    {lsFilenameColumn,            "Název souboru"},
    {lsCustomDictionary,          "&Vlastní slovník:"},
    {lsDictionariesButton,        "&Slovníky ..."},
    {lsLocateDictionaries,        "Najít slovníky..."},
    {lsChooseDictionaryFolder,    "Vyberte složku obsahující slovníky"},
    {lsCustomDictionariesGroup,   " Vlastní slovníky: "},
    {lsEdit,                      "&Upravit"},
    {lsDelete,                    "&Odstranit"},
    {lsNew,                       "&Nový"},
    {lsOK,                        "O&K"},
    {lsEnterNewName,              "&Zadejte název nového vlastního slovníku:"},
    {lsAddedWordsSheet,           "Při&daná slova"},
    {lsAddedWordsExplain,         "Tato slova budou při kontrole pravopisu považována za správná."},
    {lsIgnoreThisWord,            "&Ignorovat toto slovo:"},
    {lsAutoCorrectSheet,          "Dvojice a&utomatických oprav"},
    {lsAutoCorrectExplain,        "Tato slova budou při kontrole pravopisu automaticky opravena."},
    {lsReplace,                   "&Nahradit:"},
    {lsWith,                      "&Čím:"},
    {lsExcludedWordsSheet,        "&Vyloučená slova"},
    {lsExcludedWordsExplain,      "Tato slova budou při kontrole pravopisu vždy považována za chybná."},
    {lsExcludeThisWord,           "Vy&loučit toto slovo:"},
    {lsCheckComplete,             "Kontrola pravopisu je dokončena."},
    {lsWordsChecked,              "Zkontrolováno slov:"},
    {lsCheckRemainder,            "Výběr byl zkontrolován.  Chcete zkontrolovat zbytek dokumentu?"},
    {lsNoSuggestions,             "(žádné návrhy)"},
    {lsMenuIgnore,                "I&gnorovat"},
    {lsMenuIgnoreAll,             "Ignorovat &vše"},
    {lsMenuAdd,                   "Přid&at"},
    {lsMenuChangeAll,             "Změnit v&še"},
    {lsMenuAutoCorrect,           "Au&tomatické opravy"},
    {lsMenuSpelling,              "&Pravopis ..."},
};

// Dutch (code page 1252)
const TEntry kDutch[] = {
    {lsOptionLiveSpelling,        "Spelling controleren tijdens typen"},
    {lsOptionLiveCorrect,         "Spelfouten verbeteren tijdens typen"},
    {lsOptionUpcase,              "Woorden in &HOOFDLETTERS negeren"},
    {lsOptionNumbers,             "Woorden met cijfers negeren"},
    {lsOptionHTML,                "Opmaaktalen negeren (&HTML, XML, enz.)"},
    {lsOptionInternet,            "Internetadressen negeren"},
    {lsOptionQuoted,              "Geciteerde regels negeren"},
    {lsOptionAbbreviations,       "Afkortingen negeren"},
    {lsOptionPrimaryOnly,         "Alleen suggesties uit hoofdwoordenlijsten"},
    {lsOptionRepeated,            "Melden bij herhaalde woorden"},
    {lsConfirmation,              "Bevestiging:"},
    {lsDeleteCustomDictionary,    "Deze aangepaste woordenlijst verwijderen?"},
    {lsInternalDictionaryName,    "(Alles negeren / Alles wijzigen)"},
    {lsSpellDialogCaption,        "Spellingscontrole"},
    {lsConfigDialogCaption,       "Spellingsopties"},
    {lsDictionariesDialogCaption, "Woordenlijsten"},
    {lsInternalDictionaryTitle,   "Woorden toegevoegd met Alles negeren / Alles wijzigen"},
    {lsNewDictionaryCaption,      "Nieuwe aangepaste woordenlijst"},
    {lsNotFound,                  "Niet gevonden:"},
    {lsRepeatedWord,              "Herhaald woord:"},
    {lsReplaceWith,               "&Vervangen door:"},
    {lsSuggestions,               "&Suggesties:"},
    {lsUndo,                      "&Ongedaan maken"},
    {lsOptions,                   "O&pties"},
    {lsIgnoreAll,                 "&Alles negeren"},
    {lsIgnore,                    "Negeren"},
    {lsChangeAll,                 "A&lles wijzigen"},
    {lsChange,                    "&Wijzigen"},
    {lsAdd,                       "&Toevoegen"},
    {lsAutoCorrect,               "Auto&Correctie"},
    {lsHelp,                      "&Help"},
    {lsCancel,                    "Annuleren"},
    {lsResetDefaults,             "Standaardwaarden herstellen"},
    {lsOptionsGroup,              " O&pties: "},
    {lsDictionariesGroup,         " &Woordenlijsten: "},
    {lsNameColumn,                "Naam"},
    {lsFilenameColumn,            "Bestandsnaam"},
    {lsCustomDictionary,          "&Aangepaste woordenlijst:"},
    {lsDictionariesButton,        "&Woordenlijsten ..."},
    {lsLocateDictionaries,        "Woordenlijsten zoeken..."},
    {lsChooseDictionaryFolder,    "Kies de map met woordenlijsten"},
    {lsCustomDictionariesGroup,   " Aangepaste woordenlijsten: "},
    {lsEdit,                      "&Bewerken"},
    {lsDelete,                    "&Verwijderen"},
    {lsNew,                       "&Nieuw"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Geef de naam van de nieuwe aangepaste woordenlijst op:"},
    {lsAddedWordsSheet,           "&Toegevoegde woorden"},
    {lsAddedWordsExplain,         "Deze woorden worden tijdens een spellingscontrole als juist beschouwd."},
    {lsIgnoreThisWord,            "Dit woord &negeren:"},
    {lsAutoCorrectSheet,          "Auto&Correctie-paren"},
    {lsAutoCorrectExplain,        "Deze woorden worden automatisch verbeterd wanneer ze tijdens een spellingscontrole worden gevonden."},
    {lsReplace,                   "&Vervangen:"},
    {lsWith,                      "&Door:"},
    {lsExcludedWordsSheet,        "&Uitgesloten woorden"},
    {lsExcludedWordsExplain,      "Deze woorden worden tijdens een spellingscontrole altijd als onjuist beschouwd."},
    {lsExcludeThisWord,           "Dit woord &uitsluiten:"},
    {lsCheckComplete,             "De spellingscontrole is voltooid."},
    {lsWordsChecked,              "Gecontroleerde woorden:"},
    {lsCheckRemainder,            "De selectie is gecontroleerd.  Wilt u de rest van het document controleren?"},
    {lsNoSuggestions,             "(geen suggesties)"},
    {lsMenuIgnore,                "&Negeren"},
    {lsMenuIgnoreAll,             "&Alles negeren"},
    {lsMenuAdd,                   "&Toevoegen"},
    {lsMenuChangeAll,             "A&lles wijzigen"},
    {lsMenuAutoCorrect,           "Auto&Correctie"},
    {lsMenuSpelling,              "&Spelling ..."},
};

// Danish (code page 1252)
const TEntry kDanish[] = {
    {lsOptionLiveSpelling,        "Kontroller stavning under indtastning"},
    {lsOptionLiveCorrect,         "Ret stavefejl under indtastning"},
    {lsOptionUpcase,              "Ignorer ord med &STORE BOGSTAVER"},
    {lsOptionNumbers,             "Ignorer ord, der indeholder tal"},
    {lsOptionHTML,                "Ignorer opmærkningssprog (&HTML, XML osv.)"},
    {lsOptionInternet,            "Ignorer internetadresser"},
    {lsOptionQuoted,              "Ignorer citerede linjer"},
    {lsOptionAbbreviations,       "Ignorer forkortelser"},
    {lsOptionPrimaryOnly,         "Foreslå kun fra hovedordbøger"},
    {lsOptionRepeated,            "Spørg ved gentagne ord"},
    {lsConfirmation,              "Bekræftelse:"},
    {lsDeleteCustomDictionary,    "Vil du slette denne brugerordbog?"},
    {lsInternalDictionaryName,    "(Ignorer alle / Ret alle)"},
    {lsSpellDialogCaption,        "Stavekontrol"},
    {lsConfigDialogCaption,       "Indstillinger for stavekontrol"},
    {lsDictionariesDialogCaption, "Ordbøger"},
    {lsInternalDictionaryTitle,   "Ord tilføjet med Ignorer alle / Ret alle"},
    {lsNewDictionaryCaption,      "Ny brugerordbog"},
    {lsNotFound,                  "Ikke fundet:"},
    {lsRepeatedWord,              "Gentaget ord:"},
    {lsReplaceWith,               "Erstat &med:"},
    {lsSuggestions,               "&Forslag:"},
    {lsUndo,                      "Fortr&yd"},
    {lsOptions,                   "I&ndstillinger"},
    {lsIgnoreAll,                 "Ignorer a&lle"},
    {lsIgnore,                    "I&gnorer"},
    {lsChangeAll,                 "R&et alle"},
    {lsChange,                    "&Ret"},
    {lsAdd,                       "&Tilføj"},
    {lsAutoCorrect,               "Auto&korrektur"},
    {lsHelp,                      "&Hjælp"},
    {lsCancel,                    "&Annuller"},
    {lsResetDefaults,             "Gendan standarder"},
    {lsOptionsGroup,              " In&dstillinger: "},
    {lsDictionariesGroup,         " O&rdbøger: "},
    {lsNameColumn,                "Navn"},
    {lsFilenameColumn,            "Filnavn"},
    {lsCustomDictionary,          "&Brugerordbog:"},
    {lsDictionariesButton,        "&Ordbøger ..."},
    {lsLocateDictionaries,        "Find ordbøger..."},
    {lsChooseDictionaryFolder,    "Vælg mappe med ordbøger"},
    {lsCustomDictionariesGroup,   " Brugerordbøger: "},
    {lsEdit,                      "R&ediger"},
    {lsDelete,                    "&Slet"},
    {lsNew,                       "&Ny"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Indtast navnet på den nye brugerordbog:"},
    {lsAddedWordsSheet,           "Tilføj&ede ord"},
    {lsAddedWordsExplain,         "Disse ord vil blive betragtet som korrekte under en stavekontrol."},
    {lsIgnoreThisWord,            "&Ignorer dette ord:"},
    {lsAutoCorrectSheet,          "A&utokorrekturpar"},
    {lsAutoCorrectExplain,        "Disse ord vil automatisk blive rettet, når de forekommer under en stavekontrol."},
    {lsReplace,                   "&Erstat:"},
    {lsWith,                      "&Med:"},
    {lsExcludedWordsSheet,        "&Udelukkede ord"},
    {lsExcludedWordsExplain,      "Disse ord vil altid blive betragtet som forkerte under en stavekontrol."},
    {lsExcludeThisWord,           "Ude&luk dette ord:"},
    {lsCheckComplete,             "Stavekontrollen er fuldført."},
    {lsWordsChecked,              "Kontrollerede ord:"},
    {lsCheckRemainder,            "Markeringen er kontrolleret.  Vil du kontrollere resten af dokumentet?"},
    {lsNoSuggestions,             "(ingen forslag)"},
    {lsMenuIgnore,                "I&gnorer"},
    {lsMenuIgnoreAll,             "Ignorer a&lle"},
    {lsMenuAdd,                   "&Tilføj"},
    {lsMenuChangeAll,             "R&et alle"},
    {lsMenuAutoCorrect,           "A&utokorrektur"},
    {lsMenuSpelling,              "&Stavekontrol ..."},
};

// Polish (code page 1250)
const TEntry kPolish[] = {
    {lsOptionLiveSpelling,        "Sprawdzaj pisownię podczas pisania"},
    {lsOptionLiveCorrect,         "Poprawiaj błędy podczas pisania"},
    {lsOptionUpcase,              "Ignoruj wyrazy pisane &WIELKIMI LITERAMI"},
    {lsOptionNumbers,             "Ignoruj wyrazy zawierające cyfry"},
    {lsOptionHTML,                "Ignoruj języki znaczników (&HTML, XML itp.)"},
    {lsOptionInternet,            "Ignoruj adresy internetowe"},
    {lsOptionQuoted,              "Ignoruj wiersze cytowane"},
    {lsOptionAbbreviations,       "Ignoruj skróty"},
    {lsOptionPrimaryOnly,         "Proponuj tylko ze słowników głównych"},
    {lsOptionRepeated,            "Pytaj o powtórzone wyrazy"},
    {lsConfirmation,              "Potwierdzenie:"},
    {lsDeleteCustomDictionary,    "Usunąć ten słownik niestandardowy?"},
    {lsInternalDictionaryName,    "(Pomiń wszystko / Zmień wszystko)"},
    {lsSpellDialogCaption,        "Pisownia"},
    {lsConfigDialogCaption,       "Opcje pisowni"},
    {lsDictionariesDialogCaption, "Słowniki"},
    {lsInternalDictionaryTitle,   "Wyrazy dodane poleceniami Pomiń wszystko / Zmień wszystko"},
    {lsNewDictionaryCaption,      "Nowy słownik niestandardowy"},
    {lsNotFound,                  "Brak w słowniku:"},
    {lsRepeatedWord,              "Powtórzony wyraz:"},
    {lsReplaceWith,               "Zamień &na:"},
    {lsSuggestions,               "Propo&zycje:"},
    {lsUndo,                      "&Cofnij"},
    {lsOptions,                   "&Opcje"},
    {lsIgnoreAll,                 "Pomiń &wszystko"},
    {lsIgnore,                    "&Pomiń"},
    {lsChangeAll,                 "Zmień wszys&tko"},
    {lsChange,                    "Zmi&eń"},
    {lsAdd,                       "&Dodaj"},
    {lsAutoCorrect,               "&Autokorekta"},
    {lsHelp,                      "Po&moc"},
    {lsCancel,                    "Anuluj"},
    {lsResetDefaults,             "Przywróć domyślne"},
    {lsOptionsGroup,              " &Opcje: "},
    {lsDictionariesGroup,         " &Słowniki: "},
    {lsNameColumn,                "Nazwa"},
    {lsFilenameColumn,            "Nazwa pliku"},
    {lsCustomDictionary,          "Słownik &niestandardowy:"},
    {lsDictionariesButton,        "Sł&owniki ..."},
    {lsLocateDictionaries,        "Znajdź słowniki..."},
    {lsChooseDictionaryFolder,    "Wybierz folder zawierający słowniki"},
    {lsCustomDictionariesGroup,   " Słowniki niestandardowe: "},
    {lsEdit,                      "&Edytuj"},
    {lsDelete,                    "&Usuń"},
    {lsNew,                       "&Nowy"},
    {lsOK,                        "O&K"},
    {lsEnterNewName,              "&Wpisz nazwę nowego słownika niestandardowego:"},
    {lsAddedWordsSheet,           "&Dodane wyrazy"},
    {lsAddedWordsExplain,         "Te wyrazy będą uznawane za poprawne podczas sprawdzania pisowni."},
    {lsIgnoreThisWord,            "&Ignoruj ten wyraz:"},
    {lsAutoCorrectSheet,          "Pary &autokorekty"},
    {lsAutoCorrectExplain,        "Te wyrazy będą automatycznie poprawiane, gdy wystąpią podczas sprawdzania pisowni."},
    {lsReplace,                   "&Zamień:"},
    {lsWith,                      "&Na:"},
    {lsExcludedWordsSheet,        "&Wykluczone wyrazy"},
    {lsExcludedWordsExplain,      "Te wyrazy będą zawsze uznawane za błędne podczas sprawdzania pisowni."},
    {lsExcludeThisWord,           "Wy&klucz ten wyraz:"},
    {lsCheckComplete,             "Sprawdzanie pisowni zostało zakończone."},
    {lsWordsChecked,              "Sprawdzone wyrazy:"},
    {lsCheckRemainder,            "Zaznaczenie zostało sprawdzone.  Czy sprawdzić pozostałą część dokumentu?"},
    {lsNoSuggestions,             "(brak propozycji)"},
    {lsMenuIgnore,                "&Pomiń"},
    {lsMenuIgnoreAll,             "Pomiń &wszystko"},
    {lsMenuAdd,                   "&Dodaj"},
    {lsMenuChangeAll,             "Zmień wszys&tko"},
    {lsMenuAutoCorrect,           "&Autokorekta"},
    {lsMenuSpelling,              "Pi&sownia ..."},
};

// French (code page 1252)
const TEntry kFrench[] = {
    {lsOptionLiveSpelling,        "Vérifier l'orthographe pendant la frappe"},
    {lsOptionLiveCorrect,         "Corriger les fautes pendant la frappe"},
    {lsOptionUpcase,              "Ignorer les mots en &MAJUSCULES"},
    {lsOptionNumbers,             "Ignorer les mots contenant des chiffres"},
    {lsOptionHTML,                "Ignorer les langages de balisage (&HTML, XML, etc.)"},
    {lsOptionInternet,            "Ignorer les adresses Internet"},
    {lsOptionQuoted,              "Ignorer les lignes citées"},
    {lsOptionAbbreviations,       "Ignorer les abréviations"},
    {lsOptionPrimaryOnly,         "Suggérer uniquement à partir des dictionnaires principaux"},
    {lsOptionRepeated,            "Signaler les mots répétés"},
    {lsConfirmation,              "Confirmation :"},
    {lsDeleteCustomDictionary,    "Supprimer ce dictionnaire personnel ?"},
    {lsInternalDictionaryName,    "(Ignorer tout / Remplacer tout)"},
    {lsSpellDialogCaption,        "Orthographe"},
    {lsConfigDialogCaption,       "Options d'orthographe"},
    {lsDictionariesDialogCaption, "Dictionnaires"},
    {lsInternalDictionaryTitle,   "Mots ajoutés par Ignorer tout / Remplacer tout"},
    {lsNewDictionaryCaption,      "Nouveau dictionnaire personnel"},
    {lsNotFound,                  "Absent du dictionnaire :"},
    {lsRepeatedWord,              "Mot répété :"},
    {lsReplaceWith,               "&Remplacer par :"},
    {lsSuggestions,               "&Suggestions :"},
    {lsUndo,                      "&Défaire"},
    {lsOptions,                   "&Options"},
    {lsIgnoreAll,                 "Ignorer &tout"},
    {lsIgnore,                    "I&gnorer"},
    {lsChangeAll,                 "Remplacer to&ut"},
    {lsChange,                    "Rem&placer"},
    {lsAdd,                       "A&jouter"},
    {lsAutoCorrect,               "&Correction auto"},
    {lsHelp,                      "Aid&e"},
    {lsCancel,                    "Annuler"},
    {lsResetDefaults,             "Rétablir les valeurs par défaut"},
    {lsOptionsGroup,              " O&ptions : "},
    {lsDictionariesGroup,         " D&ictionnaires : "},
    {lsNameColumn,                "Nom"},
    {lsFilenameColumn,            "Nom de fichier"},
    {lsCustomDictionary,          "Dictionnaire &personnel :"},
    {lsDictionariesButton,        "&Dictionnaires ..."},
    {lsLocateDictionaries,        "Rechercher des dictionnaires..."},
    {lsChooseDictionaryFolder,    "Choisissez le dossier contenant les dictionnaires"},
    {lsCustomDictionariesGroup,   " Dictionnaires personnels : "},
    {lsEdit,                      "&Modifier"},
    {lsDelete,                    "&Supprimer"},
    {lsNew,                       "&Nouveau"},
    {lsOK,                        "&OK"},
    {lsEnterNewName,              "&Entrez le nom du nouveau dictionnaire personnel :"},
    {lsAddedWordsSheet,           "Mots a&joutés"},
    {lsAddedWordsExplain,         "Ces mots seront considérés comme corrects lors de la vérification orthographique."},
    {lsIgnoreThisWord,            "&Ignorer ce mot :"},
    {lsAutoCorrectSheet,          "Paires de correction a&utomatique"},
    {lsAutoCorrectExplain,        "Ces mots seront corrigés automatiquement lorsqu'ils seront rencontrés lors de la vérification orthographique."},
    {lsReplace,                   "&Remplacer :"},
    {lsWith,                      "&Par :"},
    {lsExcludedWordsSheet,        "Mots &exclus"},
    {lsExcludedWordsExplain,      "Ces mots seront toujours considérés comme incorrects lors de la vérification orthographique."},
    {lsExcludeThisWord,           "E&xclure ce mot :"},
    {lsCheckComplete,             "La vérification orthographique est terminée."},
    {lsWordsChecked,              "Mots vérifiés :"},
    {lsCheckRemainder,            "La sélection a été vérifiée.  Voulez-vous vérifier le reste du document ?"},
    {lsNoSuggestions,             "(aucune suggestion)"},
    {lsMenuIgnore,                "I&gnorer"},
    {lsMenuIgnoreAll,             "Ignorer &tout"},
    {lsMenuAdd,                   "A&jouter"},
    {lsMenuChangeAll,             "Remplacer to&ut"},
    {lsMenuAutoCorrect,           "&Correction automatique"},
    {lsMenuSpelling,              "&Orthographe ..."},
};

struct TLanguage {
  const TEntry* entries;
  size_t count;
  int codePage;
};

template <size_t N>
constexpr TLanguage Language(const TEntry (&entries)[N], int codePage) {
  return {entries, N, codePage};
}

// In the order of TSpellLanguageType.
const TLanguage kLanguages[kSpellLanguageCount] = {
    Language(kEnglish, 1252), Language(kSwedish, 1252), Language(kBrPort, 1252),
    Language(kAfrikaans, 1252), Language(kGerman, 1252), Language(kSpanish, 1252),
    Language(kRussian, 1251), Language(kCzech, 1250), Language(kDutch, 1252),
    Language(kDanish, 1252), Language(kPolish, 1250), Language(kFrench, 1252),
};

using TConvertedTable = std::array<std::array<std::string, kSpellLanguageStringCount>,
                                   kSpellLanguageCount>;

// Converted once, on first use; the table never changes afterwards.
const TConvertedTable& ConvertedTable() {
  static const TConvertedTable table = [] {
    TConvertedTable t;
    for (int lang = 0; lang < kSpellLanguageCount; ++lang) {
      const TLanguage& language = kLanguages[lang];
      for (size_t i = 0; i < language.count; ++i) {
        const TEntry& entry = language.entries[i];
        if (entry.id < kSpellLanguageStringCount) {
          t[lang][entry.id] = Utf8ToCodePage(entry.text, language.codePage);
        }
      }
    }
    return t;
  }();
  return table;
}

}  // namespace

std::string Utf8ToCodePage(const std::string& utf8, int codePage) {
  const uint16_t* upper = UpperHalf(codePage);
  if (!upper) return std::string();
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    uint32_t cp = 0;
    if (!DecodeUtf8(utf8, pos, cp)) {
      out += '?';
      continue;
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 128; ++i) {
      if (upper[i] != 0 && upper[i] == cp) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

std::string CodePageToUtf8(const std::string& text, int codePage) {
  const uint16_t* upper = UpperHalf(codePage);
  if (!upper) return std::string();
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      // An unassigned byte has no character; show it as the replacement mark.
      AppendUtf8(out, upper[b - 0x80] != 0 ? upper[b - 0x80] : 0xFFFD);
    }
  }
  return out;
}

int SpellLanguageCodePage(TSpellLanguageType language) {
  return language < kSpellLanguageCount ? kLanguages[language].codePage : 0;
}

std::string SpellLanguageText(TSpellLanguageString id, TSpellLanguageType language) {
  if (id >= kSpellLanguageStringCount || language >= kSpellLanguageCount) return std::string();
  return ConvertedTable()[language][id];
}
