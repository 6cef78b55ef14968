// Scenes of the screenshot program: each scene file registers a function
// that opens forms in one state and captures them.
#pragma once

#include <string>
#include <vector>

#include "vxSceneShot.h"

class TVexlorSpell3Base;

using TSceneFunction = void (*)(TSceneShot& shot);

// Called from a static initialiser in each scene file:
//   static const bool registered = RegisterScene("TSpellDialog", &ShowSpellDialog);
bool RegisterScene(const char* name, TSceneFunction run);

struct TScene {
  const char* Name;
  TSceneFunction Run;
};
const std::vector<TScene>& Scenes();

// A speller for scenes: the shipped American dictionary, nothing stored, no
// end message, no learning dictionary written.
void UseShippedDictionary(TVexlorSpell3Base& speller);
