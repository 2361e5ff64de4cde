// The sampler's tables against the files its disk is made of, and against
// the rule that a row or value no option lists is never installed.
#include "sampler_tables.h"

#include "product/table_product.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

#include <string>

namespace {

class SamplerProductTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProductDirectories& folders = product.Directories();
    std::snprintf(folders.source, sizeof folders.source, "%s", HVT_SAMPLER_DISK);
  }
  TableProduct product{kSamplerTables};
};

long long SizeOf(const std::string& path) {
  struct stat facts;
  return stat(path.c_str(), &facts) == 0 ? facts.st_size : -1;
}

TEST_F(SamplerProductTest, CopyRowsDeclareTheSizesOfTheirFiles) {
  int checked = 0;
  for (int row = 0; row < product.FileRowCount(); ++row) {
    if (product.RowKind(row) != kRowCopy) continue;
    FileEntry entry;
    ASSERT_TRUE(product.GetFileEntry(row, entry)) << row;
    const std::string name = entry.source.Get() + std::strlen(HVT_SAMPLER_DISK) + 1;
    if (name == "Vantrel3.exe" || name == "Engine.dat") continue;  // built, not kept here
    const std::string path = name == "DejaVuSansMono.ttf"
                                 ? "/usr/share/fonts/truetype/dejavu/" + name
                                 : std::string(HVT_SAMPLER_DISK) + "/" + name;
    EXPECT_EQ(SizeOf(path), product.RowSize(row)) << name;
    ++checked;
  }
  EXPECT_EQ(checked, 9);
}

TEST_F(SamplerProductTest, EveryRowAndValueBelongsToALeafOption) {
  std::vector<int> rows(product.FileRowCount()), values(product.RegistryEntryCount());
  for (int option = 0; option < product.OptionCount(); ++option) {
    OptionRecord record;
    ASSERT_TRUE(product.GetOptionRecord(option, record));
    if (!record.isOption) continue;
    for (int j = 0; j < product.OptionFileCount(option); ++j)
      ++rows.at(product.OptionFile(option, j));
    for (int j = 0; j < product.OptionRegistryCount(option); ++j)
      ++values.at(product.OptionRegistry(option, j));
  }
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_GE(rows[i], 1) << "row " << i;
  for (std::size_t i = 0; i < values.size(); ++i) EXPECT_GE(values[i], 1) << "value " << i;
}

}  // namespace
