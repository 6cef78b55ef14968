// The sample's self-driving tour: shows every page and the spelling
// dialogs in turn, saves a picture of each and ends the program.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vxSceneShot.h"

class TDemoForm;
class TTimer;

class TDemoTour {
 public:
  // Pictures go to Folder as TDemoForm-<page>.bmp and the like.
  TDemoTour(TDemoForm& form, const std::string& folder);
  ~TDemoTour();

  // Starts the tour from the message loop; the main form closes at its end.
  void Start();
  // The pictures that could not be taken or the waits that ran out.
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  // A step returns false while what it waits for has not happened yet.
  using TStep = std::function<bool()>;
  void Add(const std::string& what, TStep step);
  void AddPage(int32_t outer, int32_t inner);
  void AddCheck(const std::string& picture, bool withMainForm, std::function<void()> press);
  void Capture(const std::vector<HWND__*>& windows, const std::string& name);
  void Tick();

  TDemoForm& form_;
  std::string folder_;
  TSceneShot shot_;
  std::unique_ptr<TTimer> timer_;
  std::vector<std::pair<std::string, TStep>> steps_;
  size_t next_ = 0;
  uint32_t waitingSince_ = 0;
  bool busy_ = false;
  std::vector<std::string> failures_;
};
