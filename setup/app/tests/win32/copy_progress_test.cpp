// CopyProgress with Configuration Haventide's own tables: the bar and the
// icon window's title move every 20480 bytes and reach 100 % when every
// file's end is reported; Cancel is taken at a pump point and asks the
// abort question, whose answer decides whether the copy stops.
#include "app/copy_progress.h"

#include <gtest/gtest.h>

#include <string>

#include "app/setup_application.h"
#include "product/haventide_tables.h"
#include "product/table_product.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "ui/background/icon_window.h"

namespace {

class CountingAbort : public AbortQuestion {
 public:
  bool answer = false;
  int asked = 0;
  bool ConfirmAbort(HWND) override {
    ++asked;
    return answer;
  }
};

class CopyProgressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ops.SetQuiet(true);
    ASSERT_TRUE(files.Allocate(product.FileRowCount()));
    ASSERT_TRUE(icon.Create(ops, "Configuration Haventide"));
    owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
    ops.PushOwner(owner);
  }
  void TearDown() override {
    DestroyWindow(owner);
    icon.Destroy();
  }
  std::string IconTitle() {
    char title[64] = {0};
    GetWindowTextA(icon.Handle(), title, sizeof title);
    return title;
  }

  EngineErrorBoxes boxes;
  FileOperations ops{boxes};
  TableProduct product{kHaventideTables};
  Selection files;
  IconWindow icon;
  CountingAbort abort;
  HWND owner = nullptr;
};

TEST_F(CopyProgressTest, BarAndTitleMoveInStepsAndReachTheEnd) {
  CopyProgress progress(product, files, ops, abort, icon, owner, "Configuration Haventide");
  ASSERT_TRUE(progress.Start());
  EXPECT_EQ(progress.Total(), 2191282.0);
  EXPECT_EQ(ops.Owner(), progress.Window()) << "the dialog owns the boxes meanwhile";
  EXPECT_EQ(progress.BufferSize(), 2048u);

  progress.BeginFile();
  EXPECT_TRUE(progress.Add(2048));  // the first chunk always shows
  EXPECT_EQ(progress.Dialog().Bar().Value(), 0);
  EXPECT_EQ(IconTitle(), "Copying: 0%");
  for (int chunk = 1; chunk < 11; ++chunk) EXPECT_TRUE(progress.Add(2048));
  // 22528 bytes: one step of 20480 crossed, 1.03 % rounds to 1.
  EXPECT_EQ(progress.Dialog().Bar().Value(), 1);
  EXPECT_EQ(IconTitle(), "Copying: 1%");
  // The rest of each file is reported when it ends, a declined one whole.
  for (int row = 0; row < product.FileRowCount(); ++row) {
    if (row > 0) progress.BeginFile();
    progress.EndFile();
  }
  EXPECT_EQ(progress.Running(), progress.Total());
  EXPECT_EQ(progress.Dialog().Bar().Value(), 100);
  EXPECT_EQ(IconTitle(), "Copying: 100%");
  // A file larger than declared carries the count past the total, not the
  // figures past 100.
  for (int chunk = 0; chunk < 20; ++chunk) EXPECT_TRUE(progress.Add(2048));
  EXPECT_EQ(progress.Dialog().Bar().Value(), 100);
  EXPECT_EQ(IconTitle(), "Copying: 100%");
  progress.Finish();
  EXPECT_EQ(ops.Owner(), owner);
  EXPECT_FALSE(IsWindow(progress.Window()));
}

TEST_F(CopyProgressTest, CancelAsksAtThePumpPointAndTheAnswerDecides) {
  for (const bool confirmed : {false, true}) {
    CopyProgress progress(product, files, ops, abort, icon, owner, "Configuration Haventide");
    ASSERT_TRUE(progress.Start());
    progress.BeginFile();
    abort.asked = 0;
    abort.answer = confirmed;
    SendMessageA(progress.Window(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(abort.asked, 0) << "Cancel only raises the flag";
    EXPECT_EQ(progress.Add(2048), !confirmed);
    EXPECT_EQ(abort.asked, 1);
    EXPECT_TRUE(progress.Add(2048)) << "the flag was cleared";
    EXPECT_EQ(abort.asked, 1);
  }
}

}  // namespace
