// sampset.exe installing Sampler Suite with the options it offers first:
// what its copy shows while it runs (the rows' progress lines, the
// billboards, none while setup is minimised), what the copy, the registry
// phase and the completion leave behind, and a required rename that fails.
#include <algorithm>
#include <functional>

#include "machine_state.h"
#include "resource_ids.h"
#include "sampler_e2e_fixture.h"

namespace {

using namespace sampler_e2e;
using Strings = std::vector<std::string>;

const std::string kF = kFolder;

// The records of the default choices' log, in the order of the work; the
// first ten are those of the copy rows.
Strings ExpectedRecords(const std::string& windows, const std::string& system) {
  const std::string d = "c:\\sampler\\", f = Lower(kF), w = Lower(windows), s = Lower(system);
  const std::string q = "software\\quillmere", u = Lower(kUninstallKey);
  return {
      "dircreated " + f,
      "filecopied " + d + "readme.txt " + f + "\\readme.txt 1",
      "fileappended " + d + "addenda.txt " + f + "\\readme.txt 1 164",
      "filecopied " + d + "sample1.tx_ " + f + "\\sample1.txt 1",
      "filecopied " + d + "sample2.txt " + f + "\\sample2.txt 1",
      "filecopied " + d + "light.pal " + f + "\\light.pal 1",
      "filecopied " + d + "dejavusansmono.tt_ " + w + "\\fonts\\dejavusansmono.ttf 1",
      "fontinstalled " + w + "\\fonts\\dejavusansmono.ttf 1",
      "filecopied " + d + "engine.da_ " + s + "\\engine.dat 0",
      "filecopied " + d + "vantrel3.ex_ " + w + "\\vantrel3.exe 0",
      "filemoved " + w + "\\sampler.ini " + f + "\\sampler.ini",
      "filedeleted " + w + "\\sampler.old",
      "filemoved " + f + "\\sample1.txt " + f + "\\sample1.bak",
      "filecopied " + f + "\\sample1.bak " + f + "\\sample1.txt 1",
      "filemoved " + f + "\\readme.txt " + f + "\\readme.bak",
      "filecopied " + f + "\\readme.bak " + f + "\\readme.txt 1",
      "filemoved " + f + "\\sample2.txt " + f + "\\sample2.bak",
      "filecopied " + f + "\\sample2.bak " + f + "\\sample2.txt 1",
      "regkeycreated " + u + " 2",
      "regvaluecreated " + u + " displayname 2",
      "regvaluecreated " + u + " uninstallstring 2",
      "regkeycreated " + q + " 1",
      "regkeycreated " + q + "\\sampler suite 1",
      "regvaluecreated " + q + "\\sampler suite scheme 1",
      "regvaluecreated " + q + "\\sampler suite searchpath 1",
      "regvaluecreated " + q + "\\sampler suite picture 1",
      "regvaluecreated " + q + "\\sampler suite windows 1",
      "regvaluecreated " + q + "\\sampler suite recent 1",
  };
}

// One of setup's billboards as it was found.
struct Billboard {
  HWND window;
  std::string caption;
  RECT rect;
  bool shown;
};

BOOL CALLBACK CollectBillboard(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<std::pair<DWORD, std::vector<Billboard>>*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != found->first) return TRUE;
  Billboard b{window, uidriver::Text(window), {}, IsWindowVisible(window) != FALSE};
  if ((b.caption == "Samples" || b.caption == "Schemes" || b.caption == "Fonts") &&
      GetWindowRect(window, &b.rect))
    found->second.push_back(b);
  return TRUE;
}

// Setup's billboards, shown or not, but for one it replaced while they
// were read.
std::vector<Billboard> Billboards(DWORD pid) {
  std::pair<DWORD, std::vector<Billboard>> found{pid, {}};
  EnumWindows(CollectBillboard, reinterpret_cast<LPARAM>(&found));
  std::vector<Billboard>& boards = found.second;
  boards.erase(std::remove_if(boards.begin(), boards.end(),
                              [](const Billboard& b) { return !IsWindow(b.window); }),
               boards.end());
  return boards;
}

std::vector<Billboard> ShownBillboards(DWORD pid) {
  std::vector<Billboard> boards = Billboards(pid);
  boards.erase(
      std::remove_if(boards.begin(), boards.end(), [](const Billboard& b) { return !b.shown; }),
      boards.end());
  return boards;
}

// Whether part's elements occur in whole in the same order.
bool InOrder(const std::vector<Strings>& part, const std::vector<Strings>& whole) {
  auto at = whole.begin();
  for (const Strings& p : part)
    if ((at = std::find(at, whole.end(), p)) == whole.end()) return false;
  return true;
}

// What the copy showed, sampled at each poll: the progress dialog's three
// lines as each row set them, and each billboard as it came.
struct CopyWatch {
  struct Sighting {
    Billboard board;
    RECT progress;
    size_t row;  // index in rows
  };
  DWORD pid;
  HWND progress;
  std::vector<Strings> rows;
  std::vector<Sighting> billboards;
  size_t mostShown = 0;

  Strings Lines() const {
    Strings lines;
    for (int id = 101; id <= 103; ++id)
      lines.push_back(uidriver::Text(uidriver::ControlById(progress, id)));
    return lines;
  }
  void Sample() {
    const Strings lines = Lines();
    const std::vector<Billboard> shown = ShownBillboards(pid);
    // Only what one row showed, once it set its lines.
    if (lines[0].empty() || Lines() != lines) return;
    if (rows.empty() || rows.back() != lines) rows.push_back(lines);
    mostShown = std::max(mostShown, shown.size());
    if (shown.empty() ||
        (!billboards.empty() && billboards.back().board.caption == shown[0].caption))
      return;
    Sighting seen{shown[0], {}, rows.size() - 1};
    GetWindowRect(progress, &seen.progress);
    billboards.push_back(seen);
  }
};

class SamplerInstallE2E : public SamplerE2E {
 protected:
  // Welcome, the components as offered, the folder; then the progress
  // dialog.
  HWND StartCopy() {
    EXPECT_TRUE(StartSetup());
    Welcome("&Install");
    HWND dialog = Components();
    if (!dialog || !uidriver::AnswerMessageBox(dialog, "&OK")) return nullptr;
    AcceptFolder(kFolder);
    HWND progress = uidriver::WaitTopWindow(setup_.Id(), kProduct, "#32770", 20000);
    EXPECT_NE(progress, nullptr) << Shown();
    return progress;
  }
  // The copy to its end, sample called at every poll, the two backup boxes
  // answered; then the completion box.
  void CopyThrough(const std::function<void()>& sample) {
    for (const std::string& text :
         {kF + "\\ReadMe.txt is being backed up as " + kF + "\\ReadMe.bak",
          kF + "\\Sample2.txt has been backed up as " + kF + "\\Sample2.bak"}) {
      ASSERT_TRUE(Sampling("Backup", sample)) << Shown();
      Answer("Backup", text, "&OK");
    }
    ASSERT_TRUE(Sampling("Installation Completed", sample)) << Shown();
    // The copy's end closed the last billboard and brought the background
    // back.
    EXPECT_TRUE(Billboards(setup_.Id()).empty());
    EXPECT_EQ(uidriver::FindTopWindow(setup_.Id(), nullptr, "wndclassic"), nullptr);
    Answer("Installation Completed", kRestartText, "&Stay here");
    EXPECT_EQ(ExitCode(), 0u);
  }
  bool Sampling(const char* title, const std::function<void()>& sample) {
    return uidriver::WaitUntil(
        [&] {
          // The box first: a sample taken once it shows has its row's lines.
          const bool shown = uidriver::FindTopWindow(setup_.Id(), title, "#32770") != nullptr;
          sample();
          return shown;
        },
        60000);
  }
  // Background button 2, the highest of the three, pressed as a click does.
  bool PressMinimise() {
    HWND button = nullptr;
    RECT at = {}, r;
    for (HWND w : uidriver::TopWindows(setup_.Id()))
      if (uidriver::ClassOf(w) == "wndclassbkbtn" && GetWindowRect(w, &r) &&
          (!button || r.top < at.top)) {
        button = w;
        at = r;
      }
    return button && IsWindowEnabled(button) &&
           PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)) &&
           PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
};

TEST_F(SamplerInstallE2E, DefaultChoicesShowTheirRowsAndBillboardsAndInstallEverything) {
  HWND progress = StartCopy();
  ASSERT_NE(progress, nullptr);
  CopyWatch watch{setup_.Id(), progress, {}, {}, 0};
  ASSERT_NO_FATAL_FAILURE(CopyThrough([&] { watch.Sample(); }));

  // Every row's lines, in table order; the rename, delete and backup rows
  // (shown their minimum time, the backups while their boxes wait) seen.
  const std::string w = windows_, d = kDisk;
  const std::vector<Strings> rows = {
      {"Copying Read-me", "From " + d + "\\ReadMe.txt", "To " + kF + "\\ReadMe.txt"},
      {"Copying Read-me addenda", "From " + d + "\\Addenda.txt", "To " + kF + "\\ReadMe.txt"},
      {"Decompressing First sample", "From " + d + "\\Sample1.tx_", "To " + kF + "\\Sample1.txt"},
      {"Copying Second sample", "From " + d + "\\Sample2.txt", "To " + kF + "\\Sample2.txt"},
      {"Copying Light scheme", "From " + d + "\\Light.pal", "To " + kF + "\\Light.pal"},
      {"Decompressing Sampler Mono font", "From " + d + "\\DejaVuSansMono.tt_",
       "To " + w + "\\FONTS\\DejaVuSansMono.ttf"},
      {"Decompressing Sampler engine", "From " + d + "\\Engine.da_",
       "To " + system_ + "\\Engine.dat"},
      {"Decompressing Uninstaller", "From " + d + "\\Vantrel3.ex_", "To " + w + "\\Vantrel3.exe"},
      {"Renaming Your settings", "From " + w + "\\Sampler.ini", "To " + kF + "\\Sampler.ini"},
      {"Renaming Old settings", "From " + kF + "\\Legacy.ini", "To " + kF + "\\Legacy.old"},
      {"Deleting Old sampler", "", "File: " + w + "\\Sampler.old"},
      {"Backing up First sample", "", "File: " + kF + "\\Sample1.txt"},
      {"Backing up Read-me", "", "File: " + kF + "\\ReadMe.txt"},
      {"Backing up Second sample", "", "File: " + kF + "\\Sample2.txt"},
  };
  EXPECT_TRUE(InOrder(watch.rows, rows)) << ::testing::PrintToString(watch.rows);
  EXPECT_TRUE(InOrder(std::vector<Strings>(rows.begin() + 8, rows.end()), watch.rows))
      << ::testing::PrintToString(watch.rows);

  // The billboards in turn, one at a time, each 10 pixels under the
  // progress dialog and centred on it. The chosen rows copy 592167 bytes:
  // a third is reached within the font's row, two thirds within the
  // engine's, before the uninstaller whatever its size.
  const struct {
    const char* caption;
    const char* row;  // where it comes; none: from the first bytes
  } kBillboards[] = {
      {"Samples", nullptr},
      {"Schemes", "Decompressing Sampler Mono font"},
      {"Fonts", "Decompressing Sampler engine"},
  };
  EXPECT_EQ(watch.mostShown, 1u);
  ASSERT_EQ(watch.billboards.size(), 3u) << Shown();
  for (size_t i = 0; i < 3; ++i) {
    const CopyWatch::Sighting& seen = watch.billboards[i];
    SCOPED_TRACE(kBillboards[i].caption);
    EXPECT_EQ(seen.board.caption, kBillboards[i].caption);
    if (kBillboards[i].row)
      EXPECT_EQ(watch.rows[seen.row][0], kBillboards[i].row);
    else
      EXPECT_EQ(seen.row, 0u);
    const RECT &b = seen.board.rect, &p = seen.progress;
    EXPECT_NEAR((b.left + b.right) / 2, (p.left + p.right) / 2, 1);
    EXPECT_NEAR((b.top + b.bottom) / 2, p.bottom + (b.bottom - b.top) / 2 + 10, 1);
  }

  // The log, moved into the folder.
  EXPECT_FALSE(Exists(w + "\\filog.ini"));
  LogHeader header;
  EXPECT_EQ(LogLines(kF + "\\filog.ini", header), ExpectedRecords(windows_, system_));
  EXPECT_EQ(std::string(header.chain_name, sizeof header.chain_name), std::string(12, '\0'));
  EXPECT_EQ(header.title, kProduct);

  // The files: what the folder holds, and every file's bytes.
  const Strings listing = FilesIn(kF);
  EXPECT_EQ(listing, (Strings{"filog.ini", "light.pal", "readme.bak", "readme.txt", "sample1.bak",
                              "sample1.txt", "sample2.bak", "sample2.txt", "sampler.ini"}));
  const std::string readMe = Original("ReadMe.txt") + Original("Addenda.txt");
  const struct {
    std::string path, bytes;
  } files[] = {
      {kF + "\\ReadMe.txt", readMe},
      {kF + "\\ReadMe.bak", readMe},
      {kF + "\\Sample1.txt", Original("Sample1.txt")},
      {kF + "\\Sample1.bak", Original("Sample1.txt")},
      {kF + "\\Sample2.txt", Original("Sample2.txt")},
      {kF + "\\Sample2.bak", Original("Sample2.txt")},
      {kF + "\\Light.pal", Original("Light.pal")},
      {kF + "\\Sampler.ini", kSettingsText},
      {w + "\\FONTS\\DejaVuSansMono.ttf", Original("DejaVuSansMono.ttf")},
      {system_ + "\\Engine.dat", Original("Engine.dat")},
      {w + "\\Vantrel3.exe", Original("Vantrel3.exe")},
  };
  for (const auto& file : files) {
    EXPECT_FALSE(file.bytes.empty()) << file.path;
    EXPECT_TRUE(ReadFileBytes(file.path) == file.bytes) << file.path;
  }
  for (const char* gone : {"\\Sampler.ini", "\\Sampler.old"})
    EXPECT_FALSE(Exists(w + gone)) << gone;
  char version[80] = "";
  GetPrivateProfileStringA("iniversion", (system_ + "\\Engine.dat").c_str(), "", version,
                           sizeof version, (system_ + "\\fiver.ini").c_str());
  EXPECT_STREQ(version, "2.0.0.5");
  EXPECT_EQ(SharedCount(w + "\\Vantrel3.exe"), -1);

  // The values with the types and bytes the product gives them; the
  // options not chosen write none.
  const std::string z(1, '\0');
  const struct {
    HKEY root;
    const char* key;
    std::string name;
    DWORD type;
    std::string bytes;
  } values[] = {
      {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", REG_SZ, kProduct + z},
      {HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", REG_SZ,
       w + "\\vantrel3.exe " + kF + "\\filog.ini" + z},
      {HKEY_CURRENT_USER, kSettingsKey, "Scheme", REG_SZ, "Light" + z},
      {HKEY_CURRENT_USER, kSettingsKey, "SearchPath", REG_EXPAND_SZ,
       "%windir%\\Samples;" + kF + "\\Samples" + z},
      {HKEY_CURRENT_USER, kSettingsKey, "Picture", REG_BINARY, Original("Sampler.bin")},
      {HKEY_CURRENT_USER, kSettingsKey, "Windows", REG_DWORD, std::string("\3\0\0\0", 4)},
      {HKEY_CURRENT_USER, kSettingsKey, "Recent", REG_MULTI_SZ,
       kF + "\\Sample1.txt" + z + kF + "\\Sample2.txt" + z + z},
      {HKEY_CURRENT_USER, kSettingsKey, "Tips", REG_NONE, "<no value>"},
      {HKEY_LOCAL_MACHINE, kSharedKey, system_ + "\\Engine.dat", REG_BINARY,
       std::string("\1\0\0\0", 4)},
  };
  for (const auto& value : values) {
    const RegistryValue read = ReadValue(value.root, value.key, value.name.c_str());
    EXPECT_EQ(read.type, value.type) << value.name;
    EXPECT_EQ(read.bytes, value.bytes) << value.name;
  }
}

// The default choices installed, then taken back through the uninstall
// entry: exit 0, and the machine as before but for the uninstaller it
// keeps, the old file the delete row removed on purpose (no log keeps its
// content) and the versions setup records outside the log.
TEST_F(SamplerInstallE2E, TheDefaultChoicesTakenBackLeaveTheMachineAsBefore) {
  const MachineState before = ReadMachineState("");
  ASSERT_NE(StartCopy(), nullptr);
  ASSERT_NO_FATAL_FAILURE(CopyThrough([] {}));
  uidriver::Program uninstaller;
  ASSERT_TRUE(uninstaller.Start(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString")));
  AnswerBox(WaitUninstallerBox(uninstaller.Id(), "Uninstall Sampler Suite"),
            "Are you sure you want to remove Sampler Suite and all of its components?", "&Yes");
  HWND question = uidriver::WaitTopWindow(uninstaller.Id(), "Remove Shared File?", "#32770", 30000);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(Lower(uidriver::Text(uidriver::ControlById(question, kDlgSharedPath))),
            Lower(system_ + "\\Engine.dat"));
  ASSERT_TRUE(uidriver::AnswerMessageBox(question, "&Yes"));
  ExpectUninstallerClosed(uninstaller, "Uninstall Sampler Suite",
                          "Sampler Suite was successfully removed.");
  const Strings differences =
      StateDifferences(before, ReadMachineState(""),
                       {Lower(windows_ + "\\vantrel3.exe "), Lower(windows_ + "\\sampler.old "),
                        Lower(system_ + "\\fiver.ini ")});
  EXPECT_TRUE(differences.empty()) << ::testing::PrintToString(differences);
}

// Minimised as soon as the first billboard shows: until the copy ends
// none shows, none is made, and the first goes when its share is over.
TEST_F(SamplerInstallE2E, NoBillboardWhileMinimised) {
  ASSERT_NE(StartCopy(), nullptr);
  const DWORD pid = setup_.Id();
  std::vector<Billboard> shown;
  ASSERT_TRUE(uidriver::WaitUntil([&] { return !(shown = ShownBillboards(pid)).empty(); }))
      << Shown();
  EXPECT_EQ(shown[0].caption, "Samples");
  HWND first = shown[0].window, icon = nullptr;
  ASSERT_TRUE(PressMinimise());
  ASSERT_TRUE(uidriver::WaitUntil(
      [&] { return (icon = uidriver::FindTopWindow(pid, nullptr, "wndclassic")) != nullptr; }));
  // Billboards made or shown while minimised; whether the first, hidden
  // with the background, went when its share was over.
  Strings whileMinimised;
  bool firstGone = false;
  ASSERT_NO_FATAL_FAILURE(CopyThrough([&] {
    if (!IsWindowVisible(icon)) return;
    const std::vector<Billboard> boards = Billboards(pid);
    firstGone = firstGone || boards.empty();
    for (const Billboard& b : boards)
      if (b.window != first || b.shown) whileMinimised.push_back(b.caption);
  }));
  EXPECT_EQ(whileMinimised, Strings{});
  EXPECT_TRUE(firstGone);
}

// The settings to move are gone: the copy stops at their row and the
// uninstaller takes back the rows done before.
TEST_F(SamplerInstallE2E, MissingRequiredRenameStopsAndIsTakenBack) {
  ASSERT_TRUE(DeleteFileA((windows_ + "\\Sampler.ini").c_str()));
  ASSERT_NE(StartCopy(), nullptr);
  ASSERT_NO_FATAL_FAILURE(
      Answer("Error", "File " + windows_ + "\\Sampler.ini not found", "&OK", 60000));
  ASSERT_EQ(ExitCode(), 1u);

  uidriver::Program uninstaller;
  ASSERT_TRUE(AttachUninstaller(uninstaller));
  // It works from the log of the copy rows, and asks about the shared
  // engine it counted last: the rows after it are taken back and, with the
  // one in hand, cut from the log.
  HWND question = uidriver::WaitTopWindow(uninstaller.Id(), "Remove Shared File?", "#32770", 30000);
  ASSERT_NE(question, nullptr);
  LogHeader header;
  const Strings records = ExpectedRecords(windows_, system_);
  EXPECT_EQ(LogLines(windows_ + "\\filog.ini", header),
            Strings(records.begin(), records.begin() + 8));
  EXPECT_EQ(Lower(uidriver::Text(uidriver::ControlById(question, kDlgSharedPath))),
            Lower(system_ + "\\Engine.dat"));
  ASSERT_TRUE(uidriver::AnswerMessageBox(question, "&Yes"));
  ExpectUninstallerClosed(uninstaller, "Uninstall Sampler Suite",
                          "Sampler Suite was successfully removed.");

  for (const std::string& gone : {kF, windows_ + "\\FONTS\\DejaVuSansMono.ttf",
                                  system_ + "\\Engine.dat", windows_ + "\\filog.ini"})
    EXPECT_FALSE(Exists(gone)) << gone;
  EXPECT_EQ(SharedCount(system_ + "\\Engine.dat"), -1);
  EXPECT_TRUE(Exists(windows_ + "\\Vantrel3.exe"));
  EXPECT_TRUE(Exists(windows_ + "\\Sampler.old")) << "a row after the failed one ran";
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "<no key>");
}

}  // namespace
