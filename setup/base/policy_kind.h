// The five copy policies a copy row of a product chooses from, by the number
// its table holds: the product names them and the copy engine builds them.
#pragma once

enum PolicyKind {
  kPolicyAlways = 0,
  kPolicyVersion = 1,
  kPolicyRecordedVersion = 2,
  kPolicyTimeStamp = 3,
  kPolicySize = 4,
};
