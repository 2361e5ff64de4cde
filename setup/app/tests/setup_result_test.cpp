#include "app/registry_value_data.h"
#include "app/setup_result.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SetupResult, RestartKindFromWhatHappened) {
  struct Case {
    bool ini, dos, atRestart;
    int kind;
  };
  const Case cases[] = {
      {false, false, false, 0}, {false, false, true, 1}, {true, false, false, 1},
      {true, false, true, 1},   {false, true, false, 2}, {true, true, false, 2},
      {false, true, true, 3},   {true, true, true, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecideRestartKind(c.ini, c.dos, c.atRestart), c.kind)
        << c.ini << c.dos << c.atRestart;
}

TEST(SetupResult, CompletionBoxButtons) {
  struct Case {
    int kind, button, before, result;
  };
  const Case cases[] = {
      {0, 0, 0, 0}, {0, -1, 0, 0}, {1, 0, 0, 2}, {1, 1, 0, 0}, {1, -1, 0, 1}, {2, 0, 0, 4},
      {2, 1, 0, 0}, {2, -1, 0, 1}, {3, 0, 0, 5}, {3, 1, 0, 0}, {3, -1, 0, 1}, {7, 0, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CompletionResult(c.kind, c.button, c.before), c.result) << c.kind << " " << c.button;
}

TEST(RegistryValueData, MultiStringPieces) {
  struct Case {
    const char* text;
    std::string bytes;
  };
  const Case cases[] = {
      {"a\r\nb", std::string("a\0b\0\0", 5)},
      {"", std::string("\0\0", 2)},
      {"one", std::string("one\0\0", 5)},
      {"a\nb\r\n", std::string("a\nb\0\0\0", 6)},
  };
  for (const Case& c : cases) {
    const std::size_t length = MultiStringLength(c.text);
    ASSERT_EQ(length, c.bytes.size()) << c.text;
    std::string data(length, 'x');
    BuildMultiString(c.text, &data[0]);
    EXPECT_EQ(data, c.bytes);
  }
}

}  // namespace
