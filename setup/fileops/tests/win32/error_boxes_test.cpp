// The "Error" boxes of the registry and font operations as the user sees
// them (the other tests run quiet).
#include "dialog_driver.h"
#include "fileops/file_operations.h"
#include "recording_recorder.h"
#include "test_folder.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using uitest::Driven;

// Runs the operation while reading the text of its "Error" box and closing it.
std::string ErrorText(const std::function<bool()>& operation, bool& result) {
  std::string text;
  Driven("Error", {[&](HWND box) {
           text = uitest::TextOf(GetDlgItem(box, kDlgText));
           uitest::PostKey(box, VK_RETURN);
         }},
         [&] {
           result = operation();
           return 0;
         });
  return text;
}

TEST(ErrorBoxes, AnUnknownRootIsNamedUnknown) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  RecordingRecorder recorder;
  ops.PushRecorder(recorder);
  const DWORD value = 1;
  bool result = true;
  const std::string text = ErrorText(
      [&] { return ops.SetValue(7, "Software\\Haventide", "v", REG_DWORD, 4, &value); }, result);
  EXPECT_FALSE(result);
  EXPECT_EQ(text, "Unable to open registration key Unknown\\Software\\Haventide");
  EXPECT_EQ(ops.LastError(), kFileOpGeneral);
  EXPECT_TRUE(recorder.records.empty());
}

TEST(ErrorBoxes, AKeyThatCannotBeCreated) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  bool result = true;
  const std::string text =
      ErrorText([&] { return ops.CreateKey(9, "Software\\Haventide"); }, result);
  EXPECT_FALSE(result);
  EXPECT_EQ(text, "Unable to create registration key Software\\Haventide");
}

TEST(ErrorBoxes, AFontThePlatformRefuses) {
  const std::string folder = MakeTestFolder("hvtfontbox");
  ASSERT_FALSE(folder.empty());
  const std::string path = folder + "\\notafont.fon";
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fputs("not a font\r\n", file);
    std::fclose(file);
  }
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  RecordingRecorder recorder;
  ops.PushRecorder(recorder);
  bool result = true;
  const std::string text = ErrorText([&] { return ops.InstallFont(path.c_str(), 1); }, result);
  EXPECT_FALSE(result);
  EXPECT_EQ(text, "Unable to install font");
  EXPECT_TRUE(recorder.records.empty());
  RemoveTree(folder);
}

}  // namespace
