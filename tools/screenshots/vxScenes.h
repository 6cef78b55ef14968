// Scenes of the screenshot program: each scene file registers a function
// that opens forms in one state and captures them.
#pragma once

#include <string>
#include <vector>

struct HWND__;
class TForm;
class TVexlorSpell3Base;

// Saves pictures of windows as they are on the screen, frames included.
class TSceneShot {
 public:
  // Pumps messages until the windows are painted, then saves the smallest
  // screen area holding them all as Name.bmp in the working folder.
  bool Capture(const std::vector<HWND__*>& Windows, const std::string& Name);
  bool Capture(TForm& Form, const std::string& Name);
  const std::vector<std::string>& Saved() const { return saved_; }

 private:
  std::vector<std::string> saved_;
};

using TSceneFunction = void (*)(TSceneShot& Shot);

// Called from a static initialiser in each scene file:
//   static const bool registered = RegisterScene("TSpellDialog", &ShowSpellDialog);
bool RegisterScene(const char* Name, TSceneFunction Run);

struct TScene {
  const char* Name;
  TSceneFunction Run;
};
const std::vector<TScene>& Scenes();

// A speller for scenes: the shipped American dictionary, nothing stored, no
// end message, no learning dictionary written.
void UseShippedDictionary(TVexlorSpell3Base& Speller);
