#pragma once

#include <windows.h>

#include <vector>

#include "core/form_layout.h"

namespace kelvane {

// Builds a menu bar from its layout, and the keyboard shortcuts (F1, F4)
// its items show.
HMENU BuildMenu(const std::vector<MenuLayout>& layout, HACCEL* shortcuts);

}  // namespace kelvane
