// Pictures of windows as they are on the screen, frames included: used by
// the scene program and by the sample's self-driving tour.
#pragma once

#include <string>
#include <vector>

struct HWND__;
class TForm;

// Saves pictures of windows as they are on the screen, frames included.
class TSceneShot {
 public:
  // Pumps messages until the windows are painted, then saves the smallest
  // screen area holding them all as `name`.bmp in the working folder.
  bool Capture(const std::vector<HWND__*>& handles, const std::string& name);
  bool Capture(TForm& form, const std::string& name);
  const std::vector<std::string>& Saved() const { return saved_; }

 private:
  std::vector<std::string> saved_;
};
