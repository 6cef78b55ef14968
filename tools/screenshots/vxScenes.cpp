// The list of registered scenes and the speller set-up they share.
#include "vxScenes.h"

#include <algorithm>

#include "vl3SpellBase.h"

namespace {

std::vector<TScene>& SceneList() {
  static std::vector<TScene> scenes;
  return scenes;
}

}  // namespace

bool RegisterScene(const char* Name, TSceneFunction Run) {
  SceneList().push_back({Name, Run});
  return true;
}

const std::vector<TScene>& Scenes() {
  std::sort(SceneList().begin(), SceneList().end(),
            [](const TScene& a, const TScene& b) { return std::string(a.Name) < b.Name; });
  return SceneList();
}

void UseShippedDictionary(TVexlorSpell3Base& Speller) {
  Speller.SetEndMessage(emNever);
  Speller.SetConfigStorage(csNone);
  Speller.SetSuggestionsLearning(false);
  TStringList folders, mains;
  folders.Add(VX_DATA_DIR);
  mains.Add("American.vlm");
  Speller.SetConfigDictionaryDir(folders);
  Speller.SetConfigDefaultMain(mains);
  Speller.SetConfigDefaultActiveCustom("");
}
