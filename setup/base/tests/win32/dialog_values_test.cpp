#include "base/control_messages.h"
#include "base/dialog_values.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kEdit = 200;
constexpr int kList = 201;
constexpr int kCheck = 202;
constexpr int kCombo = 203;

// A hidden window standing in for a dialog, with an edit control, a list box,
// a combo box and a check box made in this process.
class DialogValues : public ::testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    dialog_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, instance,
                              nullptr);
    ASSERT_NE(dialog_, nullptr);
    ASSERT_NE(Child("EDIT", ES_AUTOHSCROLL, kEdit), nullptr);
    ASSERT_NE(Child("LISTBOX", 0, kList), nullptr);
    ASSERT_NE(Child("BUTTON", BS_CHECKBOX, kCheck), nullptr);
    ASSERT_NE(Child("COMBOBOX", CBS_DROPDOWNLIST, kCombo), nullptr);
  }
  void TearDown() override {
    if (dialog_) DestroyWindow(dialog_);
  }
  HWND Child(const char* cls, DWORD style, int id) {
    return CreateWindowExA(0, cls, "", WS_CHILD | style, 0, 0, 200, 60, dialog_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  }
  void Type(const std::string& text) { ASSERT_TRUE(SetDlgItemTextA(dialog_, kEdit, text.c_str())); }
  std::string Shown() {
    char text[512] = "";
    GetDlgItemTextA(dialog_, kEdit, text, sizeof text);
    return text;
  }

  HWND dialog_ = nullptr;
};

}  // namespace

TEST_F(DialogValues, GetLongFollowsTheParseRule) {
  long value = -1;
  Type("007");
  ASSERT_TRUE(DialogGetLong(dialog_, kEdit, value));
  EXPECT_EQ(value, 7);
  Type(" 7 ");
  value = -1;
  ASSERT_TRUE(DialogGetLong(dialog_, kEdit, value));
  EXPECT_EQ(value, 7);
  for (const char* refused : {"7 7", "12a", "", "  "}) {
    Type(refused);
    value = -1;
    EXPECT_FALSE(DialogGetLong(dialog_, kEdit, value)) << '"' << refused << '"';
    EXPECT_EQ(value, -1);
  }
}

TEST_F(DialogValues, GetIntFollowsTheParseRule) {
  int value = -1;
  Type("-0042");
  ASSERT_TRUE(DialogGetInt(dialog_, kEdit, value));
  EXPECT_EQ(value, -42);
  Type("7 7");
  EXPECT_FALSE(DialogGetInt(dialog_, kEdit, value));
  Type("12a");
  EXPECT_FALSE(DialogGetInt(dialog_, kEdit, value));
  Type("");
  EXPECT_FALSE(DialogGetInt(dialog_, kEdit, value));
  Type("99999999999");
  EXPECT_FALSE(DialogGetInt(dialog_, kEdit, value));
  EXPECT_EQ(value, -42);
}

TEST_F(DialogValues, OnlyTheFirst39CharactersAreRead) {
  long value = -1;
  Type("5" + std::string(38, ' ') + "x");  // the 40th character is cut off
  ASSERT_TRUE(DialogGetLong(dialog_, kEdit, value));
  EXPECT_EQ(value, 5);
  Type("5" + std::string(37, ' ') + "x");
  EXPECT_FALSE(DialogGetLong(dialog_, kEdit, value));
}

TEST_F(DialogValues, SetThenGetRoundTrips) {
  ASSERT_TRUE(DialogSetLong(dialog_, kEdit, -123456));
  EXPECT_EQ(Shown(), "-123456");
  long l = 0;
  ASSERT_TRUE(DialogGetLong(dialog_, kEdit, l));
  EXPECT_EQ(l, -123456);

  ASSERT_TRUE(DialogSetInt(dialog_, kEdit, -7));
  EXPECT_EQ(Shown(), "-7");
  int i = 0;
  ASSERT_TRUE(DialogGetInt(dialog_, kEdit, i));
  EXPECT_EQ(i, -7);

  ASSERT_TRUE(DialogSetReal(dialog_, kEdit, 2.5));
  EXPECT_EQ(Shown(), "2.5000000000000000");
  double d = 0;
  ASSERT_TRUE(DialogGetReal(dialog_, kEdit, d));
  EXPECT_DOUBLE_EQ(d, 2.5);

  ASSERT_TRUE(DialogSetFloat(dialog_, kEdit, 0.25f));
  EXPECT_EQ(Shown(), "0.25");
  float f = 0;
  ASSERT_TRUE(DialogGetFloat(dialog_, kEdit, f));
  EXPECT_FLOAT_EQ(f, 0.25f);
}

TEST_F(DialogValues, AHugeRealIsWrittenWhole) {
  ASSERT_TRUE(DialogSetReal(dialog_, kEdit, 1e300));
  std::string shown = Shown();
  EXPECT_EQ(shown.size(), 301u + 1 + 16);
  EXPECT_EQ(shown.substr(0, 2), "10");
}

TEST_F(DialogValues, BlankTest) {
  Type("");
  EXPECT_TRUE(DialogIsBlank(dialog_, kEdit));
  Type(" \t ");
  EXPECT_TRUE(DialogIsBlank(dialog_, kEdit));
  Type("  x");
  EXPECT_FALSE(DialogIsBlank(dialog_, kEdit));
  Type(std::string(79, ' ') + "x");  // beyond the 79 characters read
  EXPECT_TRUE(DialogIsBlank(dialog_, kEdit));
}

TEST_F(DialogValues, MissingControlGivesNoValue) {
  long value = 3;
  EXPECT_FALSE(DialogGetLong(dialog_, 999, value));
  EXPECT_EQ(value, 3);
}

TEST_F(DialogValues, WindowTextParses) {
  HWND edit = GetDlgItem(dialog_, kEdit);
  Type(" 4000000000 ");
  unsigned u = 0;
  ASSERT_TRUE(WindowTextUnsigned(edit, u));
  EXPECT_EQ(u, 4000000000u);
  int i = 0;
  EXPECT_FALSE(WindowTextInt(edit, i));
  Type(std::string(200, ' ') + "12");  // well past 39 characters, within 255
  long l = 0;
  ASSERT_TRUE(WindowTextLong(edit, l));
  EXPECT_EQ(l, 12);
  Type("-3");
  EXPECT_FALSE(WindowTextUnsigned(edit, u));
  ASSERT_TRUE(WindowTextInt(edit, i));
  EXPECT_EQ(i, -3);
}

TEST_F(DialogValues, ItemWrappersPassThePlatformsAnswers) {
  for (const ItemMessages* kind : {&kListBoxItems, &kComboBoxItems}) {
    const int id = kind == &kListBoxItems ? kList : kCombo;
    EXPECT_EQ(ItemAdd(*kind, dialog_, id, "beta"), 0);
    EXPECT_EQ(ItemAdd(*kind, dialog_, id, "gamma"), 1);
    EXPECT_EQ(ItemInsert(*kind, dialog_, id, 0, "alpha"), 0);
    EXPECT_EQ(ItemCount(*kind, dialog_, id), 3);
    EXPECT_EQ(ItemSelection(*kind, dialog_, id), -1);
    EXPECT_EQ(ItemSelect(*kind, dialog_, id, 2), 2);
    EXPECT_EQ(ItemSelection(*kind, dialog_, id), 2);
    EXPECT_EQ(ItemTextLength(*kind, dialog_, id, 1), 4);
    char text[16] = "";
    EXPECT_EQ(ItemText(*kind, dialog_, id, 1, text), 4);
    EXPECT_STREQ(text, "beta");
    EXPECT_EQ(ItemDelete(*kind, dialog_, id, 0), 2);
    EXPECT_EQ(ItemText(*kind, dialog_, id, 5, text), -1);
  }
  EXPECT_GT(ListItemHeight(dialog_, kList, 0), 0);
  EXPECT_EQ(ListSetTopIndex(dialog_, kList, 0), 0);
  EXPECT_EQ(ListTopIndex(dialog_, kList), 0);
}

TEST_F(DialogValues, ButtonWrappersPassThePlatformsAnswers) {
  EXPECT_EQ(ButtonCheckState(dialog_, kCheck), BST_UNCHECKED);
  ButtonSetCheck(dialog_, kCheck, BST_CHECKED);
  EXPECT_EQ(ButtonCheckState(dialog_, kCheck), BST_CHECKED);
  HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
  ControlSetFont(dialog_, kCheck, font, false);
  EXPECT_EQ(ControlFont(dialog_, kCheck), reinterpret_cast<LRESULT>(font));
  EXPECT_TRUE(ControlDestroy(dialog_, kCheck));
  EXPECT_EQ(GetDlgItem(dialog_, kCheck), nullptr);
}
