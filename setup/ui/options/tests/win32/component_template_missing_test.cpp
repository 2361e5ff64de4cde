// Without the resource script the component dialog cannot be made: that is
// taken like Cancel, and the abort question decides.
#include "../option_table.h"
#include "ui/prompts/tests/win32/abort_double.h"
#include "option_doubles.h"
#include "ui/options/component_selection.h"

#include <gtest/gtest.h>

namespace {

TEST(ComponentTemplateMissing, LeadsToTheAbortQuestion) {
  abort_double::State() = abort_double::Record{};
  abort_double::State().answer = true;
  optiontest::TableSource source = optiontest::SampleProduct();
  optiontest::RecordedChoices choices;
  optiontest::CountingReports reports;
  optiontest::FixedDisks disks;
  abort_double::Question abort;
  EXPECT_FALSE(RunComponentSelection(source, choices, reports, disks, abort, nullptr, nullptr));
  EXPECT_EQ(abort_double::State().calls, 1);
  EXPECT_EQ(reports.reports, 0);
  EXPECT_TRUE(choices.states.empty());
}

}  // namespace
