// The definition of Configuration Haventide: its files, program items,
// registry values, title, texts and tuning.
#pragma once

#include "base/product_tables.h"

extern const ProductTables kHaventideTables;
