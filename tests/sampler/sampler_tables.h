// Sampler Suite: a product of the tests, installed by the same engine as
// Configuration Haventide from a disk of its own. Its tables use what that
// product does not: a tree of options, billboards, rename, delete, backup,
// append and font rows, every copy policy, registry values of every type,
// a fixed restart and no program items.
#pragma once

#include "base/product_tables.h"

extern const ProductTables kSamplerTables;
