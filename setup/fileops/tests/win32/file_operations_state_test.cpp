// The FileOperations object's own state: last error, quiet flag, the one
// saved level of owner window and recorder, and how it reports.
#include "fileops/file_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog_driver.h"
#include "resources/string_ids.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "resources/dialog_ids.h"

using uitest::Driven;
using uitest::TextOf;

namespace {

class CountingRecorder : public NullRecorder {
 public:
  void DirCreated(const char*) override { ++calls; }
  int calls = 0;
};

TEST(FileOperationsState, ANewObjectIsZeroAndRecordsNothing) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  EXPECT_EQ(ops.LastError(), kFileOpOk);
  EXPECT_FALSE(ops.Quiet());
  EXPECT_EQ(ops.Owner(), nullptr);
  EXPECT_EQ(&ops.Recorder(), &NullRecorder::Instance());
}

// One saved level, not a stack: a second push forgets the first saved one.
TEST(FileOperationsState, OwnerAndRecorderKeepOneSavedLevel) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  HWND a = reinterpret_cast<HWND>(0x10), b = reinterpret_cast<HWND>(0x20);
  ops.PushOwner(a);
  ops.PushOwner(b);
  EXPECT_EQ(ops.Owner(), b);
  ops.PopOwner();
  EXPECT_EQ(ops.Owner(), a);
  ops.PopOwner();
  EXPECT_EQ(ops.Owner(), a);

  CountingRecorder first, second;
  ops.PushRecorder(first);
  ops.PushRecorder(second);
  EXPECT_EQ(&ops.Recorder(), &second);
  ops.PopRecorder();
  EXPECT_EQ(&ops.Recorder(), &first);
  ops.PopRecorder();
  EXPECT_EQ(&ops.Recorder(), &first);
}

TEST(FileOperationsState, QuietReportsOnlySetTheCode) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  ops.SetQuiet(true);
  ops.Report(kFileOpOpen, kStrOpenFile, "C:\\x");
  EXPECT_EQ(ops.LastError(), kFileOpOpen);
  ops.ReportText("any");
  EXPECT_EQ(ops.LastError(), kFileOpGeneral);
  ops.ReportOutOfMemory();
  EXPECT_EQ(ops.LastError(), kFileOpOutOfMemory);
}

// A report is an "Error" box with the string-table text formatted.
TEST(FileOperationsState, AReportShowsAnErrorBox) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  std::string text;
  const int end = Driven("Error", {[&](HWND box) {
                           text = TextOf(GetDlgItem(box, kDlgText));
                           uitest::PostKey(box, VK_RETURN);
                         }},
                         [&] {
                           ops.Report(kFileOpNotFound, kStrFileNotFound, "C:\\SETUP.EX_");
                           return 0;
                         });
  EXPECT_NE(end, uitest::kStuck) << end;
  EXPECT_EQ(text, "File C:\\SETUP.EX_ not found");
  EXPECT_EQ(ops.LastError(), kFileOpNotFound);
}

}  // namespace
