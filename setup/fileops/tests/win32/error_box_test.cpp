// A failure of an object that is not quiet is shown once, in the engine's
// "Error" box, with the text of the string table.
#include <functional>
#include <string>

#include "copy_test_support.h"
#include "dialog_driver.h"
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "ui/dialogs/message_dialog.h"
#include "resources/dialog_ids.h"

using namespace copytest;

namespace {

class ErrorBoxTest : public FileOpsTest {
 protected:
  // Runs operation with the object not quiet; the text of the first
  // "Error" box, which is answered OK; more boxes are counted in extra.
  std::string FirstBox(const std::function<void()>& operation) {
    ops_.SetQuiet(false);
    std::string text = "<no box>";
    HWND first = nullptr;
    uitest::Driven(kErrorTitle,
                   {[&](HWND box) {
                      first = box;
                      text = uitest::TextOf(GetDlgItem(box, kDlgText));
                      PostMessageA(box, WM_COMMAND, MAKEWPARAM(kDlgButton1, BN_CLICKED), 0);
                    },
                    [&](HWND box) {
                      // Only a box shown after the first one comes here.
                      if (box != first) ++extra_;
                      PostMessageA(box, WM_COMMAND, MAKEWPARAM(kDlgButton1, BN_CLICKED), 0);
                    }},
                   [&] {
                     operation();
                     return 0;
                   });
    ops_.SetQuiet(true);
    return text;
  }

  int extra_ = 0;
};

}  // namespace

TEST_F(ErrorBoxTest, MissingSourceShowsOneErrorBox) {
  const std::string s = Path("lost.txt");
  AlwaysCopyPolicy always;
  PlainReader reader;
  CreateWriter writer;
  const CopyRequest request = MakeCopyRequest(always, reader, writer);
  CountingProgress progress;
  PathBuffer target;
  ASSERT_TRUE(target.Set(Path("out.txt").c_str()));
  int result = -1;
  const std::string text =
      FirstBox([&] { result = ops_.Copy(s.c_str(), target, 1, request, progress); });
  EXPECT_EQ(text, "File " + s + " not found");
  EXPECT_EQ(extra_, 0);
  EXPECT_EQ(result, kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpNotFound);
}

TEST_F(ErrorBoxTest, FileInUseShowsTheDeleteMessage) {
  const std::string f = Path("held.txt");
  ASSERT_TRUE(WriteBytes(f, Content(10, 60)));
  FileHolder holder;
  ASSERT_TRUE(holder.Hold({f}));
  bool deleted = true;
  EXPECT_EQ(FirstBox([&] { deleted = ops_.Delete(f.c_str()); }), "Unable to delete file " + f);
  EXPECT_EQ(extra_, 0);
  EXPECT_FALSE(deleted);
}
