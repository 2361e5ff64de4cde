// Help context numbers the setup engine asks its help file for: the current
// context at start (0), the welcome box (1), insert disk (3), the abort
// question (4), the file attribute dialog (5), the folder prompt (6), the
// three completion boxes (7, 8, 9) and the component selection (11).
#pragma once

#include <cstdint>

namespace hlptest {

constexpr uint32_t kSetupContexts[] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 11};

}  // namespace hlptest
