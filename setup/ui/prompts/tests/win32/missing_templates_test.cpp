// This test program carries no resources: the prompts' templates are not
// there, as when the engine was built without its resource script.
#include "abort_double.h"
#include "base/path_buffer.h"
#include "fileops/file_operations.h"
#include "base/version_stamp.h"
#include "ui/prompts/file_attribute_dialog.h"
#include "ui/prompts/folder_prompt.h"
#include "ui/dialogs/engine_error_boxes.h"

#include <gtest/gtest.h>

namespace {

TEST(MissingTemplates, FolderPromptReportsThatItCannotOpen) {
  abort_double::State() = abort_double::Record{};
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  abort_double::Question abort;
  ops.SetQuiet(true);
  FolderPrompt record;
  record.folder = 1;
  ASSERT_EQ(ops.LastError(), kFileOpOk);
  EXPECT_FALSE(RunFolderPrompt(ops, ops, abort, nullptr, nullptr, record));
  EXPECT_EQ(ops.LastError(), kFileOpGeneral);
  EXPECT_EQ(abort_double::State().calls, 0);
}

TEST(MissingTemplates, FileAttributeDialogAnswersNoDialog) {
  PathBuffer target;
  ASSERT_TRUE(target.Set("C:\\WINDOWS\\KELVANE.EXE"));
  VersionStamp stamp;
  EXPECT_EQ(ShowFileAttributeDialog(nullptr, "A:\\KELVANE.EX_", stamp, target, stamp),
            kAttributeNoDialog);
  EXPECT_STREQ(target.Get(), "C:\\WINDOWS\\KELVANE.EXE");
}

}  // namespace
