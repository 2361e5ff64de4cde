// The platform-free rules of the utility: paths of the protected files,
// message lines, the attribute-mask matching of file searches, twips.
#include <gtest/gtest.h>

#include "core/attribute_match.h"
#include "core/form_layout.h"
#include "core/protected_files.h"
#include "core/twips.h"

using namespace kelvane;

TEST(ProtectedFiles, PathsFollowTheBootDriveAndTheWindowsFolder) {
  const std::string win = "D:\\WIN95";
  const auto& files = ProtectedFiles();
  EXPECT_EQ(files[0].LivePath(win), "C:\\AUTOEXEC.BAT");
  EXPECT_EQ(files[2].LivePath(win), "D:\\WIN95\\SYSTEM.INI");
  EXPECT_EQ(files[5].LivePath(win), "C:\\IO.SYS");
  EXPECT_EQ(files[7].LivePath(win), "D:\\WIN95\\WIN.COM");
  EXPECT_EQ(files[5].BackupPath(win), "D:\\WIN95\\BACKUP.HVT\\IO.SYS");
  EXPECT_EQ(files[4].UndoPath(win), "D:\\WIN95\\BACKUP.HVT\\UNDO\\COMMAND.COM");
  int systemFiles = 0, tickedAtStart = 0;
  for (const ProtectedFile& f : files) {
    systemFiles += f.systemFile;
    tickedAtStart += f.tickedAtStart;
  }
  EXPECT_EQ(systemFiles, 2);
  EXPECT_TRUE(files[5].systemFile && files[6].systemFile);
  EXPECT_EQ(tickedAtStart, 4);
}

TEST(ProtectedFiles, MissingFileMessagesHaveThreeLinesJoinedByLineFeeds) {
  const ProtectedFile& msdos = ProtectedFiles()[6];
  EXPECT_EQ(MissingFileMessage(msdos, Operation::Backup),
            "MSDOS.SYS not found.\nFile not backed up.\nSelection will be unchecked.");
  EXPECT_EQ(MissingFileMessage(msdos, Operation::Restore),
            "MSDOS.SYS not found in backup.\nFile not restored.\nSelection will be unchecked.");
  EXPECT_EQ(MissingFileMessage(msdos, Operation::UndoRestore),
            "MSDOS.SYS not found in undo restore folder.\nFile not undone.\nSelection will be "
            "unchecked.");
}

TEST(AttributeMatch, MasksDecideWhichEntriesCount) {
  const unsigned plainFile = 32, readOnly = 33, hidden = 34, system = 36, locked = 39;
  const unsigned folder = 16, hiddenFolder = 18, systemFolder = 20;
  // Mask 0: plain files only; read-only and archive do not restrict.
  EXPECT_TRUE(AttributesMatch(0, plainFile, false));
  EXPECT_TRUE(AttributesMatch(0, readOnly, false));
  EXPECT_FALSE(AttributesMatch(0, hidden, false));
  EXPECT_FALSE(AttributesMatch(0, system, false));
  // Mask 39: any file, never a folder.
  EXPECT_TRUE(AttributesMatch(39, locked, false));
  EXPECT_TRUE(AttributesMatch(39, hidden, false));
  EXPECT_FALSE(AttributesMatch(39, folder, false));
  // Mask 16: folders neither hidden nor system; files never.
  EXPECT_TRUE(AttributesMatch(16, folder, true));
  EXPECT_FALSE(AttributesMatch(16, hiddenFolder, true));
  EXPECT_FALSE(AttributesMatch(16, plainFile, true));
  // Mask 55: any folder.
  EXPECT_TRUE(AttributesMatch(55, hiddenFolder, true));
  EXPECT_TRUE(AttributesMatch(55, systemFolder, true));
  EXPECT_FALSE(AttributesMatch(55, locked, true));
}

TEST(FormLayout, TwipsBecomePixelsAtFifteenAPixel) {
  EXPECT_EQ(TwipsToPixels(4110), 274);
  EXPECT_EQ(TwipsToPixels(1215), 81);
  EXPECT_EQ(TwipsToPixels(7), 0);
  EXPECT_EQ(TwipsToPixels(8), 1);
}

TEST(FormLayout, EveryFormHasExactlyOneDefaultAndOneCancelButton) {
  for (int i = 0; i < kSecondaryFormCount; ++i) {
    const FormLayout& form = SecondaryFormLayout(static_cast<FormId>(i));
    int defaults = 0, cancels = 0;
    for (const ControlLayout& c : form.controls) {
      defaults += c.isDefault;
      cancels += c.isCancel;
    }
    EXPECT_EQ(defaults, 1) << form.name;
    EXPECT_EQ(cancels, 1) << form.name;
    EXPECT_TRUE(form.centred) << form.name;
  }
}
