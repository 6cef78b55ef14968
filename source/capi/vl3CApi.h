/* The spell checker and the thesaurus behind a plain C interface, for
   programs that cannot link C++ (other compilers, Delphi, .NET). */
#ifndef VL3CAPI_H
#define VL3CAPI_H

/* Conventions, the same for every function:
   - the stdcall convention (WINAPI) and undecorated names in 32 and 64 bits,
     so GetProcAddress(module, "vxSpellCreate") finds each function;
   - text is ANSI, zero-terminated, in the user's code page;
   - every function returns an int: VX_OK (0) or a non-negative count or size
     on success, a VX_E_ code (negative) on failure; nothing is ever thrown
     to the caller;
   - a function that hands back text takes a buffer and its size in bytes and
     returns the size the text needs, terminating zero included. When the
     buffer is smaller it receives an empty string (if size > 0); call again
     with a buffer of the returned size. Lists come as one text, one entry a
     line, separated by "\n";
   - handles are opaque; a handle that was freed or never made is refused
     with VX_E_INVALID_HANDLE;
   - everything runs on the thread that created the handle, the thread that
     owns the windows checked. */

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef VL3CAPI_BUILDING
#define VL3CAPI __declspec(dllexport)
#else
#define VL3CAPI __declspec(dllimport)
#endif

typedef struct VxSpellObject* VXSPELL;
typedef struct VxThesObject* VXTHES;

/* Results */
#define VX_OK 0
#define VX_E_INVALID_HANDLE (-1)
#define VX_E_INVALID_ARGUMENT (-2)
#define VX_E_BUSY (-3)        /* a check or look-up is running on this handle */
#define VX_E_NOT_APPLIED (-4) /* an answer that does not apply to the prompt */
#define VX_E_NOT_FOUND (-5)   /* no word at the caret, no such meaning */
#define VX_E_FAILED (-6)      /* an unexpected internal error */

/* Which part of a text source a check covers */
#define VX_CHECK_SELECTED 0
#define VX_CHECK_FROM_CURSOR 1
#define VX_CHECK_ALL 2
#define VX_CHECK_SMART 3 /* from the caret, then the start (or the selection first) */
#define VX_CHECK_CONTINUE 4

/* Answers to a prompt (vxSpellAnswer) */
#define VX_ACTION_IGNORE 0
#define VX_ACTION_IGNORE_ALL 1
#define VX_ACTION_CHANGE 2       /* replacement required */
#define VX_ACTION_CHANGE_ALL 3   /* replacement required */
#define VX_ACTION_ADD 4          /* to the custom dictionary */
#define VX_ACTION_AUTO_CORRECT 5 /* replacement required; remembered as a pair */
#define VX_ACTION_UNDO 6
#define VX_ACTION_CANCEL 7
#define VX_ACTION_IGNORE_REPEATED 8
#define VX_ACTION_DELETE_REPEATED 9

/* Checking options (vxSpellSetOption); they belong to the user's settings */
#define VX_OPTION_LIVE_SPELLING 0
#define VX_OPTION_LIVE_CORRECT 1
#define VX_OPTION_UPPER_CASE 2 /* check words in capitals */
#define VX_OPTION_NUMBERS 3    /* check words with digits */
#define VX_OPTION_HTML 4       /* skip markup */
#define VX_OPTION_INTERNET 5   /* skip internet and mail addresses */
#define VX_OPTION_QUOTED 6     /* skip quoted lines */
#define VX_OPTION_ABBREVIATIONS 7
#define VX_OPTION_PRIMARY_ONLY 8 /* only the first main dictionary */
#define VX_OPTION_REPEATED 9     /* stop at repeated words */
#define VX_OPTION_USER1 10
#define VX_OPTION_USER2 11
#define VX_OPTION_USER3 12
#define VX_OPTION_USER4 13

/* Component properties (vxSpellSetProperty / vxSpellGetProperty) */
#define VX_PROP_UI_TYPE 1     /* 0 standard dialog (default), 1 silent */
#define VX_PROP_UI_LANGUAGE 2 /* 0 English ... 11 French */
#define VX_PROP_END_MESSAGE 3 /* 0 never, 1 always, 2 unless cancelled, 3 if the dialog showed */
#define VX_PROP_END_CURSOR_POSITION 4   /* 0 start, 1 where it was, 2 leave */
#define VX_PROP_DIALOG_MODAL 5          /* 0 or 1 */
#define VX_PROP_DIALOG_INITIAL_POS 6    /* 0 screen centre ... 5 leave */
#define VX_PROP_DIALOG_SHOW_IMMEDIATE 7 /* 0 or 1 */
#define VX_PROP_MAX_SUGGESTIONS 8       /* -1 unlimited */
#define VX_PROP_MAX_UNDO 9              /* -1 unlimited, 0 no undo */
#define VX_PROP_SYNCHRONOUS_CHECK 10    /* 1 (default): a check returns when it ended */
#define VX_PROP_KEEP_DICTIONARIES_ACTIVE 11
#define VX_PROP_USE_EXCLUDE_WORDS 12
#define VX_PROP_USE_AUTO_CORRECT_FIRST 13
#define VX_PROP_RECHECK_REPLACED_WORDS 14
#define VX_PROP_CHECKING 15           /* read only: a check is running */
#define VX_PROP_CANCELLED 16          /* read only: the last check was cancelled */
#define VX_PROP_WORDS_CHECKED 17      /* read only */
#define VX_PROP_PROMPT_IS_REPEATED 18 /* read only: the prompt is a repeated word */

/* Where the user's settings are kept (vxSpellSetConfigStorage). A new
   handle keeps them nowhere, has no custom dictionary and learns nothing,
   so that nothing is written beside the program unless the host asks. */
#define VX_STORAGE_FILE 0     /* location: an INI-style file */
#define VX_STORAGE_REGISTRY 1 /* location: a key below HKEY_CURRENT_USER */
#define VX_STORAGE_NONE 3     /* in memory only */

/* Parts of a thesaurus meaning (vxThesGetMeaning) */
#define VX_MEANING_HEADWORD 0
#define VX_MEANING_CATEGORY 1 /* part of speech */
#define VX_MEANING_WORDS 2    /* the words offered for it, one a line */

/* Thesaurus properties (vxThesSetProperty) */
#define VX_THES_PROP_UI_LANGUAGE 1  /* 0 English ... */
#define VX_THES_PROP_SORTED_LISTS 2 /* 0 or 1 */

/* Events. They are called on the checking thread, inside the call that runs
   the check; the handle may be used from inside them (vxSpellAnswer,
   vxSpellGetSuggestions...). */

/* A word needs the user: misspelt, excluded, or (repeated != 0) the second
   of two equal words. In silent mode the handler answers with vxSpellAnswer,
   now or later (a synchronous check waits, handling window messages, until
   it is answered). In dialog mode the dialog answers; the handler is told. */
typedef void(WINAPI* VxPromptWordProc)(VXSPELL spell, const char* word, int repeated,
                                       void* userData);
/* A word of the text was replaced (by an answer or automatically). */
typedef void(WINAPI* VxWordChangedProc)(VXSPELL spell, const char* oldWord, const char* newWord,
                                        void* userData);
/* A check ended (finished or cancelled). */
typedef void(WINAPI* VxCheckCompleteProc)(VXSPELL spell, int cancelled, void* userData);

/* The library's version text ("3.2.0 Pro"). */
VL3CAPI int WINAPI vxGetVersion(char* buffer, int size);

/* ---- Spell checker ---- */

/* A new spell checker in dialog mode; *spell receives the handle. */
VL3CAPI int WINAPI vxSpellCreate(VXSPELL* spell);
/* Frees it. Called while a check runs (from an event), the check is
   cancelled and the handle freed when the check's call returns. */
VL3CAPI int WINAPI vxSpellFree(VXSPELL spell);

/* Settings storage; location NULL keeps the current one; configId (the
   section or subkey of this user's settings) NULL keeps the current one.
   The settings are loaded from there at once. */
VL3CAPI int WINAPI vxSpellSetConfigStorage(VXSPELL spell, int storage, const char* location,
                                           const char* configId);
/* Folders searched for dictionaries given by bare file names (default: the
   program's folder). */
VL3CAPI int WINAPI vxSpellSetDictionaryFolders(VXSPELL spell, const char* const* folders,
                                               int count);
/* Main dictionaries (".vlm"), file names or paths, in look-up order; the
   first one sets the language. */
VL3CAPI int WINAPI vxSpellSetMainDictionaries(VXSPELL spell, const char* const* names, int count);
/* The custom dictionary (".vlu") that Add and Auto-Correct write to; NULL
   or "" for none. Relative names are looked for in the dictionary folders. */
VL3CAPI int WINAPI vxSpellSetCustomDictionary(VXSPELL spell, const char* name);
/* The file in which the user's replacements are learnt (".vll") to rank
   suggestions; NULL or "" learns nothing. */
VL3CAPI int WINAPI vxSpellSetLearningDictionary(VXSPELL spell, const char* fileName);
/* VX_OPTION_ values; on is 0 or 1. Get returns 0 or 1. */
VL3CAPI int WINAPI vxSpellSetOption(VXSPELL spell, int option, int on);
VL3CAPI int WINAPI vxSpellGetOption(VXSPELL spell, int option);
/* VX_PROP_ values. */
VL3CAPI int WINAPI vxSpellSetProperty(VXSPELL spell, int property, int value);
VL3CAPI int WINAPI vxSpellGetProperty(VXSPELL spell, int property, int* value);

/* Events; a NULL proc removes the handler. */
VL3CAPI int WINAPI vxSpellSetPromptWordProc(VXSPELL spell, VxPromptWordProc proc, void* userData);
VL3CAPI int WINAPI vxSpellSetWordChangedProc(VXSPELL spell, VxWordChangedProc proc, void* userData);
VL3CAPI int WINAPI vxSpellSetCheckCompleteProc(VXSPELL spell, VxCheckCompleteProc proc,
                                               void* userData);

/* Checks an edit, memo or rich edit control of this thread. */
VL3CAPI int WINAPI vxSpellCheckWindow(VXSPELL spell, HWND window, int checkType);
/* Checks a copy of text; the corrected text goes to result (see the buffer
   rule above) and stays available through vxSpellGetCheckedString until the
   next check. */
VL3CAPI int WINAPI vxSpellCheckString(VXSPELL spell, const char* text, char* result, int size);
VL3CAPI int WINAPI vxSpellGetCheckedString(VXSPELL spell, char* result, int size);
/* Answers the current prompt: VX_OK, or VX_E_NOT_APPLIED when no prompt is
   open or the action does not apply to it (only the first answer to a
   prompt acts; a repeated word takes Ignore, Ignore Repeated, Delete
   Repeated, Undo and Cancel). */
VL3CAPI int WINAPI vxSpellAnswer(VXSPELL spell, int action, const char* replacement);
/* The word of the current prompt. */
VL3CAPI int WINAPI vxSpellGetCurrentWord(VXSPELL spell, char* buffer, int size);

/* 1 when the dictionaries accept word, 0 when not. */
VL3CAPI int WINAPI vxSpellIsWordCorrect(VXSPELL spell, const char* word);
/* Ranked suggestions for word, one a line. */
VL3CAPI int WINAPI vxSpellGetSuggestions(VXSPELL spell, const char* word, char* buffer, int size);
/* The number of words in text. */
VL3CAPI int WINAPI vxSpellWordCount(VXSPELL spell, const char* text);
/* The standard settings dialog, modal. */
VL3CAPI int WINAPI vxSpellShowConfigDialog(VXSPELL spell);

/* ---- Thesaurus ---- */

VL3CAPI int WINAPI vxThesCreate(VXTHES* thes);
VL3CAPI int WINAPI vxThesFree(VXTHES thes);
/* The thesaurus file (".vlt"); default "%AppDir%\Brevant.vlt". */
VL3CAPI int WINAPI vxThesSetFile(VXTHES thes, const char* fileName);
VL3CAPI int WINAPI vxThesSetProperty(VXTHES thes, int property, int value);
/* Looks word up without a dialog: the number of meanings found (0 when the
   word or the file is missing). */
VL3CAPI int WINAPI vxThesLookup(VXTHES thes, const char* word);
/* A part (VX_MEANING_) of meaning index (from 0) of the last look-up. */
VL3CAPI int WINAPI vxThesGetMeaning(VXTHES thes, int index, int part, char* buffer, int size);
/* The standard thesaurus dialog for the word at the caret of an edit
   control; the word chosen replaces it. VX_E_NOT_FOUND: no word there. */
VL3CAPI int WINAPI vxThesLookupWindow(VXTHES thes, HWND window);
/* The dialog for word; result receives the word chosen ("" when none). */
VL3CAPI int WINAPI vxThesLookupDialog(VXTHES thes, const char* word, char* result, int size);

#ifdef __cplusplus
}
#endif

#endif /* VL3CAPI_H */
