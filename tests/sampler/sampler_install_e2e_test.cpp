// sampset.exe installing Sampler Suite with the options it offers first.
#include "sampler_bench.h"

namespace {

using namespace sampler_bench;

TEST_F(SamplerE2E, DefaultChoicesInstallTheirRowsAndValues) {
  ASSERT_TRUE(StartSetup());
  Welcome("&Install");
  HWND dialog = Components();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(uidriver::AnswerMessageBox(dialog, "&OK"));
  AcceptFolder(kFolder);
  const std::string folder = kFolder;
  Answer("Backup", folder + "\\ReadMe.txt is being backed up as " + folder + "\\ReadMe.bak", "&OK",
         60000);
  Answer("Backup", folder + "\\Sample2.txt has been backed up as " + folder + "\\Sample2.bak",
         "&OK", 60000);
  Answer("Installation Completed", kRestartText, "&Stay here", 60000);
  EXPECT_EQ(ExitCode(), 0u);

  LogHeader header;
  const std::vector<std::string> lines = LogLines(std::string(kFolder) + "\\filog.ini", header);
  for (const std::string& line : lines) printf("%s\n", line.c_str());
}

}  // namespace
