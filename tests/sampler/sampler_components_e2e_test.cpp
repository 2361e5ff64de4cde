// sampset.exe's component dialog used as a person uses it: real clicks at
// the tree's boxes, labels and scroll arrows, real keys, what the boxes show
// read back from their pixels, and what a chosen subset installs.
#include <cctype>

#include "sampler_e2e_fixture.h"
#include "resources/dialog_ids.h"
#include "ui/options/model/option_geometry.h"

namespace {

using namespace sampler_e2e;

constexpr COLORREF kGrey = 0x808080;
const COLORREF kWindow = GetSysColor(COLOR_WINDOW);

// The rows of the tree with every group expanded (those the tests name),
// and the depth of each.
constexpr int kProgram = 0, kProgramFiles = 1, kSamples = 3, kBasic = 4, kAdvanced = 5,
              kScripts = 6, kEngine = 7, kColour = 8, kLight = 9, kDark = 10, kTools = 11,
              kEngineCopy = 12, kSettings = 14, kSounds = 20, kRows = 23;
constexpr int kDepth[kRows] = {0, 1, 1, 0, 1, 1, 2, 2, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1, 1};

// What a box shows: 'x' checked, 'm' mixed, '.' empty; capitals when its
// frame is grey.
char BoxSeen(const uidriver::ScreenImage& image, int left, int top) {
  const char seen = image.At(left + 3, top + 6) == kGrey     ? 'm'
                    : image.At(left + 3, top + 3) != kWindow ? 'x'
                                                             : '.';
  return image.At(left, top + 6) == kGrey ? static_cast<char>(toupper(seen)) : seen;
}

class ComponentsE2E : public SamplerE2E {
 protected:
  void Open() {
    ASSERT_TRUE(StartSetup());
    Welcome("&Install");
    dialog_ = Components();
    ASSERT_NE(dialog_, nullptr);
    tree_ = GetDlgItem(dialog_, kComponentTree);
  }

  std::string Item(int id) { return uidriver::Text(GetDlgItem(dialog_, id)); }

  SCROLLINFO Bar(int bar) {
    SCROLLINFO info = {};
    EXPECT_TRUE(uidriver::ScrollBarInfo(tree_, bar, &info));
    return info;
  }

  // Where a row of the expanded tree lies as the tree is scrolled now.
  RowGeometry Place(int row) {
    RowPlace place;
    place.depth = kDepth[row];
    place.row = row;
    place.firstRow = Bar(SB_VERT).nPos;
    place.rowHeight = rowHeight_;
    place.offset = Bar(SB_HORZ).nPos;
    place.hasGlyph = true;
    return LayOutRow(place);
  }
  void ClickBox(int row) {
    const TreeRect box = Place(row).box;
    ASSERT_TRUE(uidriver::ClickAt(tree_, box.left + 6, box.top + 6));
  }
  void ClickLabel(int row) {
    const RowGeometry g = Place(row);
    ASSERT_TRUE(uidriver::ClickAt(tree_, g.label.left + 3, g.centreY));
  }
  void ClickGlyph(int row) {
    const TreeRect glyph = Place(row).glyph;
    ASSERT_TRUE(uidriver::ClickAt(tree_, glyph.left + 5, glyph.top + 5));
  }
  void ClickButton(int id) {
    RECT r;
    GetClientRect(GetDlgItem(dialog_, id), &r);
    ASSERT_TRUE(uidriver::ClickAt(GetDlgItem(dialog_, id), r.right / 2, r.bottom / 2));
  }
  // A scroll bar's arrows clicked until the bar is at pos.
  void ScrollTo(int bar, int pos) {
    RECT client;
    GetClientRect(tree_, &client);
    const int across = GetSystemMetrics(bar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL) / 2;
    const int along = GetSystemMetrics(bar == SB_VERT ? SM_CYVSCROLL : SM_CXHSCROLL) / 2;
    for (int now = Bar(bar).nPos; now != pos; now = Bar(bar).nPos) {
      const int end = bar == SB_VERT ? client.bottom : client.right;
      const int at = now < pos ? end - along : along;
      if (bar == SB_VERT)
        ASSERT_TRUE(uidriver::ClickAt(tree_, client.right + across, at));
      else
        ASSERT_TRUE(uidriver::ClickAt(tree_, at, client.bottom + across));
      ASSERT_TRUE(uidriver::WaitUntil([&] { return Bar(bar).nPos != now; })) << bar;
    }
  }

  // The rows in view as their boxes show (see BoxSeen); '?' for a row
  // whose box is scrolled out of view.
  std::string Shown() {
    uidriver::ScreenImage image;
    if (!image.CaptureClient(tree_)) return "<unreadable>";
    const int offset = Bar(SB_HORZ).nPos;
    std::string shown;
    for (int top = 0; top + rowHeight_ <= image.Height(); top += rowHeight_) {
      const int y = top + rowHeight_ / 2;
      int x = 0;
      while (x < image.Width() && image.At(x, y) == kWindow) ++x;
      if (x == image.Width()) break;
      shown += (x + offset) % kIndentPixels == kPartGap ? BoxSeen(image, x, y - 6) : '?';
    }
    return shown;
  }

  // What the dialog shows once it has settled on the expected: the rows in
  // view, the required space and the description.
  struct Sight {
    std::string rows, required, description;
    bool operator==(const Sight& o) const {
      return rows == o.rows && required == o.required && description == o.description;
    }
  };
  Sight Seen() { return {Shown(), Item(kComponentRequired), Item(kComponentDescription)}; }
  void Expect(const Sight& want, const std::string& step) {
    Sight seen;
    // A failure leaves a picture of the screen beside the test.
    if (!uidriver::WaitUntil([&] { return (seen = Seen()) == want; }, 5000))
      uidriver::SaveWindowImage(GetDesktopWindow(), uidriver::BesideTest("components-failed.bmp"));
    EXPECT_EQ(seen.rows, want.rows) << step;
    EXPECT_EQ(seen.required, want.required) << step;
    EXPECT_EQ(seen.description, want.description) << step;
  }

  // The gauge's filled part in per cent of its width, from its top line.
  int GaugePercent() {
    uidriver::ScreenImage image;
    if (!image.CaptureClient(GetDlgItem(dialog_, kComponentGauge)) || image.Width() == 0) return -1;
    int filled = 0;
    while (filled < image.Width() && image.At(filled, 0) == kGrey) ++filled;
    return (filled * 100 + image.Width() / 2) / image.Width();
  }

  // The tree's, in the dialog base units of the system font.
  const int rowHeight_ = 9 * HIWORD(GetDialogBaseUnits()) / 8;
  HWND dialog_ = nullptr;
  HWND tree_ = nullptr;
};

constexpr char kOpened[] = "xXxmxm.xmx.xxx";  // rows 0 to 13 as the dialog opens

TEST_F(ComponentsE2E, TheTreeFollowsItsRulesUnderTheMouse) {
  Open();
  ASSERT_NE(tree_, nullptr);
  Expect({kOpened, "578 K", ""}, "opened");
  EXPECT_EQ(GaugePercent(), 100);
  enum Part { kBox, kLabel };
  const struct {
    Part part;
    int row;
    Sight after;
  } clicks[] = {
      // A mixed group asking for checked is unchecked with all below it,
      // the copy of the shared engine under Tools too.
      {kBox, kSamples, {"xXx.....mx.m.x", "511 K", "Texts to try the sampler on"}},
      {kBox, kScripts, {"xXxm.mx.mx.m.x", "511 K", "A script to run the samples"}},
      // Now asking for unchecked, the mixed group is checked throughout.
      {kBox, kSamples, {"xXxxxxxxmx.xxx", "578 K", "Texts to try the sampler on"}},
      {kBox, kDark, {"xXxxxxxxm.xxxx", "578 K", "White text on black"}},
      {kLabel, kLight, {"xXxxxxxxm.xxxx", "578 K", "Dark text on white"}},
      // The shared engine is one option in two places.
      {kBox, kEngine, {"xXxmxmx.m.xm.x", "514 K", "The engine every sampler program shares"}},
      {kBox, kEngineCopy, {"xXxxxxxxm.xxxx", "578 K", "The engine every sampler program shares"}},
      // The grey box takes no click: nothing changes, not even the selection.
      {kBox, kProgramFiles, {"xXxxxxxxm.xxxx", "578 K", "The engine every sampler program shares"}},
      {kBox, kProgram, {"mX.xxxxxm.xxxx", "402 K", "What Sampler Suite needs to run"}},
      {kBox, kSamples, {"mX......m.xm.x", "335 K", "Texts to try the sampler on"}},
      {kBox, kColour, {"mX.........m.x", "335 K", "How the sampler's windows look"}},
      // All that can be unchecked is: what is always done copies nothing.
      {kBox, kTools, {"mX............", "0 K", "What other programs may use too"}},
  };
  for (const auto& click : clicks) {
    if (click.part == kBox)
      ClickBox(click.row);
    else
      ClickLabel(click.row);
    Expect(click.after, std::to_string(click.row));
  }
  EXPECT_EQ(GaugePercent(), 0);
  EXPECT_EQ(Item(kComponentTotal), "578 K");
}

TEST_F(ComponentsE2E, TheTreeIsUsedWithTheKeyboard) {
  Open();
  ASSERT_NE(tree_, nullptr);
  Expect({kOpened, "578 K", ""}, "opened");
  constexpr char kProgramText[] = "What Sampler Suite needs to run",
                 kProgramFilesText[] =
                     "Your settings moved in, the old sampler removed (always done)";
  constexpr char kCollapsed[] = "mmxm.xmx.xxxxx", kExpanded[] = "mX.mxm.xmx.xxx";
  const struct {
    UINT key;
    int times;
    Sight after;
  } keys[] = {
      // From OK past Cancel and Help: the tree takes the focus with its
      // first row.
      {VK_TAB, 3, {kOpened, "578 K", kProgramText}},
      {VK_DOWN, 1, {kOpened, "578 K", kProgramFilesText}},
      {VK_SPACE, 1, {kOpened, "578 K", kProgramFilesText}},
      {VK_DOWN, 1, {kOpened, "578 K", "The read-me with its late notes, and the uninstaller"}},
      {VK_SPACE, 1, {kExpanded, "402 K", "The read-me with its late notes, and the uninstaller"}},
      {VK_LEFT, 1, {kExpanded, "402 K", kProgramText}},
      {VK_LEFT, 1, {kCollapsed, "402 K", kProgramText}},
      {VK_ADD, 1, {kExpanded, "402 K", kProgramText}},
      {VK_SUBTRACT, 1, {kCollapsed, "402 K", kProgramText}},
      {VK_RIGHT, 1, {kExpanded, "402 K", kProgramText}},
      {VK_RIGHT, 1, {kExpanded, "402 K", kProgramFilesText}},
      {VK_DOWN, 9, {kExpanded, "402 K", "White text on black"}},
      {VK_SPACE, 1, {"mX.mxm.xm.xxxx", "402 K", "White text on black"}},
      // The last row, a label without a box, scrolls into view and takes
      // no Space; a page up, and the first row comes back.
      {VK_END, 1, {".xxxxxxxxx...?", "402 K", "Nothing to install yet"}},
      {VK_SPACE, 1, {".xxxxxxxxx...?", "402 K", "Nothing to install yet"}},
      {VK_PRIOR, 1, {"m.xxxxxxxxx...", "402 K", "How the sampler's windows look"}},
      {VK_HOME, 1, {"mX.mxm.xm.xxxx", "402 K", kProgramText}},
  };
  for (const auto& key : keys) {
    for (int i = 0; i < key.times; ++i) ASSERT_TRUE(uidriver::TypeKey(dialog_, key.key));
    Expect(key.after, std::to_string(key.key));
  }
}

TEST_F(ComponentsE2E, BothScrollBarsMoveTheTree) {
  Open();
  ASSERT_NE(tree_, nullptr);
  ClickLabel(kAdvanced);
  Expect({kOpened, "578 K", "Scripts and the shared engine"}, "selected");
  // The picture for the record, kept in the build tree's screens folder.
  const std::string screens = uidriver::BesideTest("..\\..\\screens");
  CreateDirectoryA(screens.c_str(), nullptr);
  EXPECT_TRUE(uidriver::PaintNow(dialog_));
  EXPECT_TRUE(uidriver::SaveWindowImage(dialog_, screens + "\\components.bmp"));

  // 22 rows, 14 in view; the longest label is wider than the tree.
  const LONG style = GetWindowLongA(tree_, GWL_STYLE);
  EXPECT_TRUE((style & WS_VSCROLL) && (style & WS_HSCROLL)) << std::hex << style;
  RECT client;
  GetClientRect(tree_, &client);
  EXPECT_EQ(client.bottom / rowHeight_, 14);
  EXPECT_EQ(Bar(SB_VERT).nMax, kRows);
  EXPECT_GT(Bar(SB_HORZ).nMax, client.right);

  ScrollTo(SB_VERT, 1);
  Expect({"Xxmxm.xmx.xxxx", "578 K", "Scripts and the shared engine"}, "a row down");
  ScrollTo(SB_HORZ, rowHeight_);
  EXPECT_EQ(Bar(SB_VERT).nPos, 1);
  // Boxes at depth 0 are out of view.
  Expect({"Xx?xm.x?x.?xx?", "578 K", "Scripts and the shared engine"}, "a line right");
}

TEST_F(ComponentsE2E, CancelAnsweredNoKeepsEveryChoice) {
  Open();
  ASSERT_NE(tree_, nullptr);
  ClickBox(kScripts);
  ClickBox(kDark);
  Expect({"xXxxxxxxm.xxxx", "578 K", "White text on black"}, "checked");
  ClickGlyph(kSamples);
  Expect({"xXxxm.xxxxxxxx", "578 K", "Texts to try the sampler on"}, "collapsed");
  ScrollTo(SB_VERT, 2);
  ScrollTo(SB_HORZ, rowHeight_);
  const Sight before = {"x??.x?xx?xxxx?", "578 K", "Texts to try the sampler on"};
  Expect(before, "scrolled");

  const HWND first = dialog_;
  ClickButton(IDCANCEL);
  Answer("Query Abort", kAbortText, "&No");
  dialog_ = Components();
  ASSERT_NE(dialog_, nullptr);
  EXPECT_NE(dialog_, first);
  tree_ = GetDlgItem(dialog_, kComponentTree);
  Expect(before, "shown again");
  EXPECT_EQ(Bar(SB_VERT).nPos, 2);
  EXPECT_EQ(Bar(SB_VERT).nMax, kRows - 4);
  ScrollTo(SB_HORZ, 0);
  Expect({"xxm.xxxxxxxxx.", "578 K", "Texts to try the sampler on"}, "scrolled back");

  ClickButton(IDCANCEL);
  Answer("Query Abort", kAbortText, "&Yes");
  EXPECT_EQ(ExitCode(), 1u);
}

TEST_F(ComponentsE2E, AChosenSubsetInstallsExactlyThat) {
  Open();
  ASSERT_NE(tree_, nullptr);
  ClickBox(kBasic);
  ClickBox(kScripts);
  ClickBox(kDark);
  ScrollTo(SB_VERT, kColour);
  ClickBox(kSettings);
  ClickBox(kSounds);
  Expect({"m.xxxx.....mx.", "575 K", "A list of the sampler's sounds"}, "chosen");
  EXPECT_EQ(GaugePercent(), 99);
  ClickButton(IDOK);
  AcceptFolder(kFolder);
  const std::string folder = kFolder;
  Answer("Backup", folder + "\\ReadMe.txt is being backed up as " + folder + "\\ReadMe.bak", "&OK",
         60000);
  Answer("Installation Completed", kRestartText, "&Stay here", 60000);
  EXPECT_EQ(ExitCode(), 0u);

  // Only the chosen rows and values, the always installed ones among them.
  const std::string w = Lower(windows_), f = Lower(folder), d = "c:\\sampler\\";
  EXPECT_EQ(FilesIn(folder),
            (std::vector<std::string>{"dark.pal", "filog.ini", "readme.bak", "readme.txt",
                                      "sampler.ini", "script.txt", "sounds.txt"}));
  for (const std::string& path : {windows_ + "\\FONTS\\DejaVuSansMono.ttf",
                                  system_ + "\\Engine.dat", windows_ + "\\Vantrel3.exe"})
    EXPECT_TRUE(Exists(path)) << path;
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kSettingsKey), (std::vector<std::string>{"Scheme"}));
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kSettingsKey, "Scheme"), "Dark");
  EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, kUninstallKey),
            (std::vector<std::string>{"DisplayName", "UninstallString"}));
  LogHeader header;
  const std::string uninstall = Lower(kUninstallKey), settings = Lower(kSettingsKey);
  EXPECT_EQ(LogLines(folder + "\\filog.ini", header),
            (std::vector<std::string>{
                "dircreated " + f,
                "filecopied " + d + "readme.txt " + f + "\\readme.txt 1",
                "fileappended " + d + "addenda.txt " + f + "\\readme.txt 1 164",
                "filecopied " + d + "script.txt " + f + "\\script.txt 1",
                "filecopied " + d + "dark.pal " + f + "\\dark.pal 1",
                "filecopied " + d + "dejavusansmono.tt_ " + w + "\\fonts\\dejavusansmono.ttf 1",
                "fontinstalled " + w + "\\fonts\\dejavusansmono.ttf 1",
                "filecopied " + d + "engine.da_ " + Lower(system_) + "\\engine.dat 0",
                "filecopied " + d + "vantrel3.ex_ " + w + "\\vantrel3.exe 0",
                "filemoved " + w + "\\sampler.ini " + f + "\\sampler.ini",
                "filedeleted " + w + "\\sampler.old",
                "filemoved " + f + "\\readme.txt " + f + "\\readme.bak",
                "filecopied " + f + "\\readme.bak " + f + "\\readme.txt 1",
                "filecopied " + d + "sounds.txt " + f + "\\sounds.txt 1",
                "regkeycreated " + uninstall + " 2",
                "regvaluecreated " + uninstall + " displayname 2",
                "regvaluecreated " + uninstall + " uninstallstring 2",
                "regkeycreated software\\quillmere 1",
                "regkeycreated " + settings + " 1",
                "regvaluecreated " + settings + " scheme 1",
            }));
}

}  // namespace
