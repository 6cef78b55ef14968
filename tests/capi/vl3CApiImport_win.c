/* A plain C program linked with the DLL's import library: the header is C,
   and the import library resolves every call (stdcall names in 32 bits). */
#include <stdio.h>
#include <string.h>

#include "vl3CApi.h"

static int failures = 0;

static void Expect(int condition, const char* what) {
  if (!condition) {
    printf("FAILED: %s\n", what);
    ++failures;
  }
}

int main(void) {
  char version[32];
  char result[64];
  VXSPELL spell = NULL;
  VXTHES thes = NULL;
  int needed;

  Expect(vxGetVersion(version, (int)sizeof version) == (int)strlen("3.2.0 Pro") + 1,
         "version size");
  Expect(strcmp(version, "3.2.0 Pro") == 0, "version text");

  Expect(vxSpellCreate(&spell) == VX_OK && spell != NULL, "spell checker created");
  Expect(vxSpellSetProperty(spell, VX_PROP_UI_TYPE, 1) == VX_OK, "silent mode");
  /* No main dictionary: every word is unknown, and without a prompt
     handler a silent check ends at the first one. */
  Expect(vxSpellSetMainDictionaries(spell, NULL, 0) == VX_OK, "no dictionaries");
  needed = vxSpellCheckString(spell, "one two", result, (int)sizeof result);
  Expect(needed == 8 && strcmp(result, "one two") == 0, "string returned unchanged");
  Expect(vxSpellWordCount(spell, "one two three") == 3, "word count");
  Expect(vxSpellFree(spell) == VX_OK, "spell checker freed");
  Expect(vxSpellFree(spell) == VX_E_INVALID_HANDLE, "second free refused");

  Expect(vxThesCreate(&thes) == VX_OK && thes != NULL, "thesaurus created");
  Expect(vxThesSetFile(thes, "no such file.vlt") == VX_OK, "thesaurus file set");
  Expect(vxThesLookup(thes, "happy") == 0, "missing file finds nothing");
  Expect(vxThesFree(thes) == VX_OK, "thesaurus freed");

  if (failures == 0) printf("all passed\n");
  return failures == 0 ? 0 : 1;
}
