// Walks one injected fault over every file step of a save: for each kind of
// operation and each N, the save is run with the Nth operation failing (full
// disk, access denied or vanished, in turn). The file must then be the old
// one or the new one, never a mix or a truncated file; a failed save keeps
// its change pending, and a retry writes it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "vl3FileFaults.h"
#include "vl3Platform.h"

struct TWriterCase {
  const char* name;
  std::function<void()> prepare;    // the old file on disk, the change pending in memory
  std::function<bool()> save;       // one save attempt
  std::function<bool()> isOld;      // the file as it was, every entry readable
  std::function<bool()> isNew;      // the file with every change, every entry readable
  std::function<bool()> isPending;  // the change is still held for a later save (writers that keep one)
  std::string folder;               // nothing may be left beside the file there
};

struct TFaultWalkCount {
  int injected = 0;
  int survived = 0;
};

inline TFaultWalkCount WalkFaults(const TWriterCase& c) {
  using Platform::Testing::TFileError;
  using Platform::Testing::TFileOperation;
  const TFileOperation operations[] = {TFileOperation::Open, TFileOperation::Write, TFileOperation::Flush,
                                       TFileOperation::Rename};
  const char* const operationNames[] = {"open", "write", "flush", "rename"};
  const TFileError errors[] = {TFileError::DiskFull, TFileError::AccessDenied, TFileError::Vanished};
  const auto filesBeside = [&] { return Platform::FindFiles(c.folder + "\\*").size(); };

  // A clean run counts the steps to walk over.
  c.prepare();
  const size_t files = filesBeside();
  Platform::Testing::CountFileOperations(true);
  const bool clean = c.save();
  int steps[4];
  for (int i = 0; i < 4; ++i) steps[i] = Platform::Testing::FileOperationCount(operations[i]);
  Platform::Testing::ClearFileFaults();
  EXPECT_TRUE(clean && c.isNew()) << c.name << ": a save without faults";
  EXPECT_GT(steps[0] + steps[1] + steps[2] + steps[3], 0) << c.name << ": no step reached the seam";
  const size_t filesAfter = filesBeside();

  TFaultWalkCount count;
  for (int op = 0; op < 4; ++op) {
    for (int n = 1; n <= steps[op]; ++n) {
      // Every step fails once, the errors taking turns across the steps.
      const TFileError error = errors[(op + n - 1) % 3];
      {
        SCOPED_TRACE(std::string(c.name) + ": " + operationNames[op] + " #" + std::to_string(n) +
                     " error " + std::to_string(static_cast<int>(error)));
        c.prepare();
        Platform::Testing::FailFileOperation(operations[op], n, error);
        const bool saved = c.save();
        Platform::Testing::ClearFileFaults();
        ++count.injected;
        // A save that reports success wrote everything; one that failed left
        // the old file or the new one whole, and kept the change.
        bool whole = saved ? c.isNew() : ((c.isOld() || c.isNew()) && (!c.isPending || c.isPending()));
        EXPECT_TRUE(whole) << (saved ? "reported saved but the file is not the new one"
                                     : "the old file or the pending change was lost");
        EXPECT_EQ(filesBeside(), saved ? filesAfter : files) << "something left beside the file";
        const bool retried = saved || (c.save() && c.isNew() && (!c.isPending || !c.isPending()));
        EXPECT_TRUE(retried) << "the retry did not save what was pending";
        if (whole && retried) ++count.survived;
      }
    }
  }
  std::printf("[ fault walk ] %s: open %d, write %d, flush %d, rename %d steps; %d faults injected, %d survived\n",
              c.name, steps[0], steps[1], steps[2], steps[3], count.injected, count.survived);
  return count;
}
