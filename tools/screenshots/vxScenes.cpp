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

bool RegisterScene(const char* name, TSceneFunction run) {
  SceneList().push_back({name, run});
  return true;
}

const std::vector<TScene>& Scenes() {
  std::sort(SceneList().begin(), SceneList().end(),
            [](const TScene& a, const TScene& b) { return std::string(a.Name) < b.Name; });
  return SceneList();
}

void UseShippedDictionary(TVexlorSpell3Base& speller) {
  speller.SetEndMessage(emNever);
  speller.SetConfigStorage(csNone);
  speller.SetSuggestionsLearning(false);
  TStringList folders, mains;
  folders.Add(VX_DATA_DIR);
  mains.Add("American.vlm");
  speller.SetConfigDictionaryDir(folders);
  speller.SetConfigDefaultMain(mains);
  speller.SetConfigDefaultActiveCustom("");
}
