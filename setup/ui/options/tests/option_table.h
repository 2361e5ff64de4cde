// A product's options for tests, held in vectors and read as the product's
// tables: each option with its record, children and lists, each file-list
// row with its size. Also the
// sample product the tree and dialog tests share: a nested group, an
// exclusive pair, an option under two groups, a grey box, a label-only
// node, and more rows than a small tree shows.
#pragma once

#include "ui/options/model/component_choices.h"
#include "base/product_tables.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace optiontest {

struct Option {
  int isOption = 1;
  int exclusive = 0;
  int state = 0;
  int kind = 1;
  int expanded = 0;
  std::string text;
  std::vector<int> children;
  std::vector<int> files;
  std::vector<int> items;
  std::vector<int> ini;
  std::vector<int> registry;
  std::string description;
};

struct FileRow {
  int size = 0;
  bool leftOut = false;
};

inline Option Leaf(const std::string& text, int state, std::vector<int> files = {}) {
  Option o;
  o.text = text;
  o.state = state;
  o.files = std::move(files);
  o.description = "About " + text;
  return o;
}

inline Option Group(const std::string& text, std::vector<int> children, int expanded = 1) {
  Option o;
  o.isOption = 0;
  o.text = text;
  o.children = std::move(children);
  o.expanded = expanded;
  o.description = "The group " + text;
  return o;
}

// Builds the product's tables from the vectors each time it is read as
// them, so a test may change the vectors in between.
class TableSource {
 public:
  std::vector<Option> options;
  std::vector<FileRow> files;
  int items = 0, iniEntries = 0, registryEntries = 0;
  int refusedRecord = -1;  // this option's record cannot be given: its text does not fit

  operator const ProductTables&() {
    built_.Fill(*this);
    return built_.tables;
  }

 private:
  // What the tables point into; a copy of the source builds its own.
  struct Built {
    Built() = default;
    Built(const Built&) {}
    Built& operator=(const Built&) { return *this; }

    void Fill(const TableSource& source) {
      texts.clear();
      for (std::size_t i = 0; i < source.options.size(); ++i) {
        const Option& o = source.options[i];
        texts.push_back(static_cast<int>(i) == source.refusedRecord
                            ? std::string(kOptionTextChars, 'x')
                            : o.text);
        texts.push_back(o.description);
      }
      optionRows.clear();
      for (std::size_t i = 0; i < source.options.size(); ++i) {
        const Option& o = source.options[i];
        optionRows.push_back({o.isOption, o.exclusive, o.state, o.kind, o.expanded,
                              texts[2 * i].c_str(), texts[2 * i + 1].c_str(), List(o.children),
                              List(o.files), List(o.items), List(o.ini), List(o.registry)});
      }
      fileRows.clear();
      for (const FileRow& f : source.files)
        fileRows.push_back(f.leftOut ? DeleteRowOf(kInstallFolder, "", "")
                                     : CopyRowOf("", kInstallFolder, 0, kPolicyAlways, f.size, ""));
      itemRows.assign(source.items, ProductItem{"", "", ""});
      iniRows.assign(source.iniEntries, ProductIniEntry{"", "", "", ""});
      valueRows.assign(source.registryEntries, ProductValue{kRootCurrentUser, "", "", 1, "", 0});
      tables = ProductTables{};
      tables.rows = {fileRows.data(), static_cast<int>(fileRows.size())};
      tables.options = {optionRows.data(), static_cast<int>(optionRows.size())};
      tables.items = {itemRows.data(), static_cast<int>(itemRows.size())};
      tables.iniEntries = {iniRows.data(), static_cast<int>(iniRows.size())};
      tables.values = {valueRows.data(), static_cast<int>(valueRows.size())};
    }

    static IndexList List(const std::vector<int>& indices) {
      return {indices.data(), static_cast<int>(indices.size())};
    }

    ProductTables tables{};
    std::vector<std::string> texts;
    std::vector<ProductOption> optionRows;
    std::vector<ProductRow> fileRows;
    std::vector<ProductItem> itemRows;
    std::vector<ProductIniEntry> iniRows;
    std::vector<ProductValue> valueRows;
  };
  Built built_;
};

// Records what the selection leaves after OK.
class RecordedChoices : public ComponentChoices {
 public:
  std::map<int, int> states;
  std::map<int, int> selected[4];  // by ChoiceList
  double required = -1;
  void SetOptionState(int option, int state) override { states[option] = state; }
  void SetSelected(ChoiceList list, int index, int flag) override { selected[list][index] = flag; }
  void SetRequiredSpace(double kilobytes) override { required = kilobytes; }
  // The indices of one list whose flag is 1.
  std::vector<int> Chosen(ChoiceList list) const {
    std::vector<int> out;
    for (const auto& [index, flag] : selected[list])
      if (flag) out.push_back(index);
    return out;
  }
};

// Option indices of the sample product.
enum Sample {
  kProgram = 0,  // group, expanded: 1, 2, 3
  kMain = 1,     // checked, file 0 (200 K), item 0
  kHelp = 2,     // unchecked, file 1 (100 K)
  kExtras = 3,   // group, expanded: 4, 5, 6
  kSampleA = 4,  // exclusive, checked, file 2 (50 K)
  kSampleB = 5,  // exclusive, unchecked, file 3 (30 K)
  kShared = 6,   // unchecked, file 4 (20 K), registry 0; under Extras and Tools
  kTools = 7,    // group, expanded: 6, 8, 9
  kLicence = 8,  // grey box, checked, file 5 (left out of sums), ini 0
  kNotes = 9,    // label only
  kFonts = 10,   // group, collapsed: 11 to 11 + kFontCount - 1
  kFirstFont = 11,
};
constexpr int kFontCount = 24;

inline TableSource SampleProduct() {
  TableSource s;
  s.options.resize(kFirstFont + kFontCount);
  s.options[kProgram] = Group("Program", {kMain, kHelp, kExtras});
  s.options[kMain] = Leaf("Main program", 1, {0});
  s.options[kMain].items = {0};
  s.options[kHelp] = Leaf("Help files", 0, {1});
  s.options[kExtras] = Group("Extras", {kSampleA, kSampleB, kShared});
  s.options[kSampleA] = Leaf("Sample A", 1, {2});
  s.options[kSampleA].exclusive = 1;
  s.options[kSampleB] = Leaf("Sample B", 0, {3});
  s.options[kSampleB].exclusive = 1;
  s.options[kShared] = Leaf("Shared tools", 0, {4});
  s.options[kShared].registry = {0};
  s.options[kTools] = Group("Tools", {kShared, kLicence, kNotes});
  s.options[kLicence] = Leaf("Licence", 1, {5});
  s.options[kLicence].kind = 0;
  s.options[kLicence].ini = {0};
  s.options[kNotes] = Leaf("Notes", 0);
  s.options[kNotes].kind = 2;
  std::vector<int> fonts;
  for (int i = 0; i < kFontCount; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "Font family with a long name number %02d", i);
    s.options[kFirstFont + i] = Leaf(text, 0, {6 + i});
    fonts.push_back(kFirstFont + i);
  }
  s.options[kFonts] = Group("Fonts", fonts, 0);
  s.files = {{204800}, {102400}, {51200}, {30720}, {20480}, {4096, true}};
  for (int i = 0; i < kFontCount; ++i) s.files.push_back({1024});
  s.items = 1;
  s.iniEntries = 1;
  s.registryEntries = 1;
  return s;
}

}  // namespace optiontest
