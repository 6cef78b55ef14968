// A custom dictionary's save under faults: whatever step fails (or the file
// turns read-only, or its folder disappears), the file keeps the old words or
// holds the new ones, the unsaved words stay pending, and a retry saves them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../platform/vl3FaultWalk.h"
#include "../platform/vl3TestFolder.h"
#include "vl3CustomDictionary.h"
#include "vl3Platform.h"

namespace {

std::string Word(const char* prefix, int i) { return prefix + std::to_string(i); }

// True when the file holds every word of `present` (count each) and none of `absent`.
bool Holds(const std::string& path, const std::vector<const char*>& present, const std::vector<const char*>& absent,
           int count) {
  TCustomDictionary d;
  d.SetFilename(path);
  if (d.DictionaryPath() != path) return false;
  for (const char* p : present)
    for (int i = 0; i < count; ++i)
      if (!d.HasIgnore(Word(p, i))) return false;
  for (const char* p : absent)
    for (int i = 0; i < count; ++i)
      if (d.HasIgnore(Word(p, i))) return false;
  return true;
}

class CustomDictionaryFaults : public ::testing::Test {
 protected:
  static constexpr int kWords = 300;

  void SetUp() override {
    folder_ = dir_.File("words");
    path_ = folder_ + "\\User.vlu";
    ASSERT_TRUE(Platform::CreateDirectory(folder_));
    TCustomDictionary seed;
    seed.SetFilename(path_);
    for (int i = 0; i < kWords; ++i) ASSERT_TRUE(seed.AddIgnore(Word("old", i)));
    ASSERT_TRUE(seed.SaveChanges());
    ASSERT_TRUE(Platform::ReadWholeFile(path_, oldImage_));
  }
  void TearDown() override { Drop(); }

  // The user's dictionary: loaded from the old file, with new words pending.
  void Open() {
    Drop();
    Platform::SetFileAttributes(path_, Platform::kAttrNormal);
    Platform::CreateDirectory(folder_);
    ASSERT_TRUE(Platform::WriteWholeFile(path_, oldImage_));
    dictionary_ = std::make_unique<TCustomDictionary>();
    dictionary_->SetFilename(path_);
    dictionary_->SetSaveLockWait(200);
    for (int i = 0; i < kWords; ++i) ASSERT_TRUE(dictionary_->AddIgnore(Word("new", i)));
  }
  void Drop() {
    if (!dictionary_) return;
    dictionary_->SetPendingChanges(false);  // the test decides when it saves
    dictionary_.reset();
  }
  bool Pending() const { return dictionary_->PendingChanges(); }

  TTestFolder dir_;
  std::string folder_, path_, oldImage_;
  std::unique_ptr<TCustomDictionary> dictionary_;
};

}  // namespace

TEST_F(CustomDictionaryFaults, EveryFaultLeavesTheOldOrTheNewWordsAndARetrySavesThem) {
  const std::vector<TWriterCase> cases = {
      // The file is as loaded: the content is written whole.
      {"custom dictionary", [&] { Open(); }, [&] { return dictionary_->SaveChanges(); },
       [&] { return Holds(path_, {"old"}, {"new"}, kWords); },
       [&] { return Holds(path_, {"old", "new"}, {}, kWords); }, [&] { return Pending(); }, folder_},
      // Another program saved meanwhile: the changes are merged onto its file.
      {"custom dictionary merge",
       [&] {
         Open();
         TCustomDictionary theirs;
         theirs.SetFilename(path_);
         ASSERT_TRUE(theirs.AddIgnore("theirs0"));
         ASSERT_TRUE(theirs.SaveChanges());
       },
       [&] { return dictionary_->SaveChanges(); },
       [&] { return Holds(path_, {"old", "theirs"}, {"new"}, 1) && Holds(path_, {"old"}, {"new"}, kWords); },
       [&] { return Holds(path_, {"old", "theirs"}, {}, 1) && Holds(path_, {"old", "new"}, {}, kWords); },
       [&] { return Pending(); }, folder_},
  };
  for (const TWriterCase& c : cases) {
    TFaultWalkCount count = WalkFaults(c);
    EXPECT_GT(count.injected, 0) << c.name;
    EXPECT_EQ(count.survived, count.injected) << c.name;
  }
}

// Faults the system makes itself (also where the seam cannot reach): the
// file turned read-only, or its folder gone. The save fails, the words stay
// pending (closing the dictionary or moving it to another file is refused
// meanwhile), and once the fault is gone the next save writes them all.
TEST_F(CustomDictionaryFaults, ReadOnlyFileAndVanishedFolderKeepTheWordsPending) {
  struct TCase {
    const char* name;
    std::function<void()> fault, mend;
    bool oldFileStays;
  };
  const std::vector<TCase> cases = {
      {"read-only file", [&] { ASSERT_TRUE(Platform::SetFileAttributes(path_, Platform::kAttrReadOnly)); },
       [&] { ASSERT_TRUE(Platform::SetFileAttributes(path_, Platform::kAttrNormal)); }, true},
      {"vanished folder",
       [&] {
         ASSERT_TRUE(Platform::DeleteFile(path_));
         ASSERT_TRUE(Platform::RemoveDirectory(folder_));
       },
       [&] { ASSERT_TRUE(Platform::CreateDirectory(folder_)); }, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    Open();
    ASSERT_EQ(dictionary_->CountIgnored(), 2 * kWords);
    c.fault();
    EXPECT_FALSE(dictionary_->SaveChanges());
    EXPECT_TRUE(Pending());
    if (c.oldFileStays) {
      EXPECT_TRUE(Holds(path_, {"old"}, {"new"}, kWords));
    }
    // Closing the dictionary or moving it to another file would drop the
    // unsaved words: both are refused while the save fails.
    dictionary_->SetActive(false);
    dictionary_->SetFilename(dir_.File("Other.vlu"));
    EXPECT_TRUE(dictionary_->Active());
    EXPECT_EQ(dictionary_->DictionaryPath(), path_);
    EXPECT_TRUE(Pending());
    EXPECT_EQ(dictionary_->CountIgnored(), 2 * kWords);
    c.mend();
    dictionary_->SetActive(false);
    EXPECT_FALSE(dictionary_->Active());
    EXPECT_FALSE(Pending());
    EXPECT_TRUE(Holds(path_, {"old", "new"}, {}, kWords));
  }
}
