// The text of the box that ends a removal: that the product was removed, or
// what of it could not be (at most kListedLeftovers lines, then how many
// more), and whether Windows must restart to finish.
#pragma once

#include <string>
#include <vector>

#include "core/leftover.h"

constexpr int kListedLeftovers = 12;

std::string LeftoverText(const Leftover& leftover);
// refusals: what Program Manager refused, as the link reported it.
std::string FinalText(const std::string& title, const std::vector<Leftover>& leftovers,
                      const std::vector<std::string>& refusals, bool restart);
