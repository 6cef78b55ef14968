#include "vl3Component.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::vector<std::string>* log, std::string name)
      : log_(log) {
    SetName(name);
    if (owner) owner->InsertComponent(this);
  }
  ~TProbe() override { log_->push_back("free " + Name()); }
  void Notification(TComponent* c, TOperation op) override {
    log_->push_back(Name() + (op == TOperation::opInsert ? " +" : " -") + c->Name());
  }

 private:
  std::vector<std::string>* log_;
};

}  // namespace

TEST(Component, OwnerFreesWhatItOwns) {
  std::vector<std::string> log;
  {
    TProbe owner(nullptr, &log, "owner");
    new TProbe(&owner, &log, "a");
    auto* b = new TProbe(&owner, &log, "b");
    EXPECT_EQ(owner.ComponentCount(), 2);
    delete b;  // removes itself from the owner
    EXPECT_EQ(owner.ComponentCount(), 1);
  }
  std::vector<std::string> want = {"owner +a", "owner +b", "free b", "owner -b", "free owner",
                                   "free a"};
  EXPECT_EQ(log, want);
}

TEST(Component, FreeNotificationReachesPartners) {
  std::vector<std::string> log;
  TProbe watcher(nullptr, &log, "watcher");
  auto* other = new TProbe(nullptr, &log, "other");
  watcher.FreeNotification(other);
  delete other;
  EXPECT_EQ(log.back(), "watcher -other");
}
