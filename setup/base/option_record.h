// One option of a product's component tree, as the product definition
// describes it: the product layer fills it and the option tree reads it, so
// it lives below both.
#pragma once

constexpr int kOptionTextChars = 80;
constexpr int kOptionDescriptionChars = 256;

struct OptionRecord {
  int isOption = 0;   // a leaf with its own state, else a group of other options
  int exclusive = 0;  // checking it unchecks its siblings
  int state = 0;      // a leaf's first state
  int kind = 1;       // 0 grey box, 1 box, 2 label only
  int expanded = 0;   // a group starts expanded
  char text[kOptionTextChars] = {0};
  char description[kOptionDescriptionChars] = {0};
};
