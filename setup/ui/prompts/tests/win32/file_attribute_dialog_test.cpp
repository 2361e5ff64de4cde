#include "base/path_buffer.h"
#include "dialog_driver.h"
#include "ui/dialogs/tests/win32/dialog_items.h"
#include "base/version_stamp.h"
#include "platform_box.h"
#include "ui/dialogs/context_help.h"
#include "ui/prompts/file_attribute_dialog.h"
#include "ui/prompts/process_help.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using uitest::CentreOf;
using uitest::Click;
using uitest::Driven;
using uitest::Item;
using uitest::PostKey;
using uitest::Step;
using uitest::WaitFor;

namespace {

constexpr char kCaption[] = "File Attribute Incompatible";
constexpr char kSource[] = "A:\\KELVANE.EX_";
constexpr char kTarget[] = "C:\\WINDOWS\\KELVANE.EXE";

std::string LanguageName(WORD language) {
  char name[256] = {0};
  VerLanguageNameA(language, name, sizeof name);
  return name;
}

VersionStamp Stamp(uint16_t language, uint16_t characterSet, uint32_t type, uint32_t subtype,
                   uint32_t versionMs, uint32_t versionLs) {
  VersionStamp s;
  s.language = language;
  s.characterSet = characterSet;
  s.type = type;
  s.subtype = subtype;
  s.versionMs = versionMs;
  s.versionLs = versionLs;
  return s;
}

// English (US), 1252, an application, version 4.0.950.0.
VersionStamp SourceStamp() { return Stamp(0x0409, 1252, 1, 0, 0x00040000, 0x03B60000); }
// German, 1200, type 6 (no name), a communication driver, version 1.2.3.4.
VersionStamp TargetStamp() { return Stamp(0x0407, 1200, 6, 10, 0x00010002, 0x00030004); }

class FileAttributeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "background", WS_POPUP | WS_VISIBLE, 40, 30, 700, 500,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    ASSERT_TRUE(target_.Set(kTarget));
  }
  void TearDown() override {
    SetProcessHelp(nullptr);
    DestroyWindow(owner_);
  }
  int Show(std::vector<Step> steps) {
    VersionStamp source = SourceStamp(), target = TargetStamp();
    return Driven(kCaption, std::move(steps), [&] {
      return ShowFileAttributeDialog(owner_, kSource, source, target_, target);
    });
  }

  HWND owner_ = nullptr;
  PathBuffer target_;
};

TEST_F(FileAttributeTest, ShowsBothSummaries) {
  std::vector<std::string> fields;
  POINT centre = {}, ownerCentre = CentreOf(owner_);
  int answer = Show({[&](HWND h) {
    for (int id = 101; id <= 112; ++id) fields.push_back(Item(h, id));
    centre = CentreOf(h);
    PostKey(h, VK_ESCAPE);
  }});
  EXPECT_EQ(answer, kAttributeSkip);
  ASSERT_EQ(fields.size(), 12u);
  const std::string expected[12] = {
      kSource,         "application program", "unknown", LanguageName(0x0409),
      "4e4",           "4.0.950.0",           kTarget,   "unknown",
      "communication", LanguageName(0x0407),  "4b0",     "1.2.3.4"};
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(101 + i);
    EXPECT_EQ(fields[i], expected[i]);
  }
  EXPECT_FALSE(fields[3].empty());
  EXPECT_NE(fields[3], fields[9]);
  EXPECT_STREQ(target_.Get(), kTarget);  // Skip leaves the target alone
  EXPECT_NEAR(centre.x, ownerCentre.x, 1);
  EXPECT_NEAR(centre.y, ownerCentre.y, 1);
}

TEST_F(FileAttributeTest, CopyTakesTheTypedTargetPath) {
  int answer = Show({[](HWND h) {
    SetDlgItemTextA(h, kAttributeTargetFirst, "D:\\Other Place\\KELVANE.EXE");
    Click(h, IDOK);
  }});
  EXPECT_EQ(answer, kAttributeCopy);
  EXPECT_STREQ(target_.Get(), "D:\\Other Place\\KELVANE.EXE");
}

TEST_F(FileAttributeTest, EnterCopiesUnchangedTarget) {
  EXPECT_EQ(Show({[](HWND h) { PostKey(h, VK_RETURN); }}), kAttributeCopy);
  EXPECT_STREQ(target_.Get(), kTarget);
}

TEST_F(FileAttributeTest, SkipButtonSkips) {
  int answer = Show({[](HWND h) {
    SetDlgItemTextA(h, kAttributeTargetFirst, "D:\\Ignored.EXE");
    Click(h, IDCANCEL);
  }});
  EXPECT_EQ(answer, kAttributeSkip);
  EXPECT_STREQ(target_.Get(), kTarget);
}

TEST_F(FileAttributeTest, TargetPathIsReadBackCutTo259Characters) {
  std::string typed = "C:\\" + std::string(400, 'p');
  LRESULT limit = 0;
  int answer = Show({[&](HWND h) {
    limit = SendDlgItemMessageA(h, kAttributeTargetFirst, EM_GETLIMITTEXT, 0, 0);
    SetDlgItemTextA(h, kAttributeTargetFirst, typed.c_str());
    Click(h, IDOK);
  }});
  EXPECT_EQ(answer, kAttributeCopy);
  EXPECT_EQ(limit, 259);
  EXPECT_EQ(std::string(target_.Get()), typed.substr(0, 259));
}

// A path object that cannot take a new path (its memory ran out).
class RefusingPath : public PathBuffer {
 public:
  bool Set(const char* text) override {
    ++calls;
    return refuse ? false : PathBuffer::Set(text);
  }
  int calls = 0;
  bool refuse = false;
};

TEST_F(FileAttributeTest, TargetThatRefusesThePathShowsOutOfMemoryAndStays) {
  RefusingPath target;
  ASSERT_TRUE(target.Set(kTarget));
  target.refuse = true;
  target.calls = 0;
  VersionStamp source = SourceStamp(), targetStamp = TargetStamp();
  bool stayed = false;
  int answer = 0;
  {
    uitest::PlatformBoxAnswerer answerer("Fatal error: Out of memory");
    answer = Driven(
        kCaption,
        {[](HWND h) {
           SetDlgItemTextA(h, kAttributeTargetFirst, "D:\\New\\KELVANE.EXE");
           Click(h, IDOK);
         },
         [&](HWND h) {
           stayed = IsWindowVisible(h) != FALSE;
           Click(h, IDCANCEL);
         }},
        [&] { return ShowFileAttributeDialog(owner_, kSource, source, target, targetStamp); });
    EXPECT_TRUE(answerer.Seen() || WaitFor([&] { return answerer.Seen(); }));
  }
  EXPECT_EQ(answer, kAttributeSkip);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(target.calls, 1);
  EXPECT_STREQ(target.Get(), kTarget);
}

TEST_F(FileAttributeTest, RegistersWithTheProcessHelpInContext5) {
  ContextHelp help("", owner_, 102);
  SetProcessHelp(&help);
  int whileOpen = 0;
  bool registered = false, stayed = false;
  std::string fallback;
  int answer = Show({[&](HWND h) {
                       whileOpen = help.Current();
                       registered = help.Dialog() == h;
                       Click(h, kAttributeHelp);
                     },
                     {"Help",
                      [&](HWND box) {
                        fallback = Item(box, kDlgText);
                        PostKey(box, VK_RETURN);
                      }},
                     [&](HWND h) {
                       stayed = IsWindowVisible(h) != FALSE;
                       Click(h, IDCANCEL);
                     }});
  EXPECT_EQ(answer, kAttributeSkip);
  EXPECT_EQ(whileOpen, 5);
  EXPECT_TRUE(registered);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(fallback, "Simply follow the instructions in the program!");
  EXPECT_EQ(help.Current(), -1);
  EXPECT_EQ(help.Dialog(), nullptr);
}

TEST_F(FileAttributeTest, OwnerThatIsNoWindowGivesNoDialog) {
  HWND gone = uitest::DestroyedWindow();
  VersionStamp source = SourceStamp(), target = TargetStamp();
  EXPECT_EQ(ShowFileAttributeDialog(gone, kSource, source, target_, target), kAttributeNoDialog);
  EXPECT_STREQ(target_.Get(), kTarget);
}

TEST(FileAttributeNames, TypeAndSubtypeNamesFromTheStringTable) {
  const char* types[] = {"unknown",
                         "application program",
                         "dynamic-link library",
                         "device driver",
                         "font",
                         "virtual device driver",
                         "unknown",
                         "static-link library",
                         "unknown"};
  const char* subtypes[] = {"unknown",     "printer", "keyboard",      "language",
                            "display",     "mouse",   "network",       "system",
                            "installable", "sound",   "communication", "unknown"};
  char text[64];
  for (unsigned long code = 0; code < sizeof types / sizeof types[0]; ++code) {
    SCOPED_TRACE(code);
    EXPECT_STREQ(FileTypeName(code, text, sizeof text), types[code]);
  }
  for (unsigned long code = 0; code < sizeof subtypes / sizeof subtypes[0]; ++code) {
    SCOPED_TRACE(code);
    EXPECT_STREQ(FileSubtypeName(code, text, sizeof text), subtypes[code]);
  }
  char small[5];
  EXPECT_STREQ(FileTypeName(5, small, sizeof small), "virt");
}

}  // namespace
