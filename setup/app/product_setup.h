// ProductSetup: the installation object of one run. Its first part is a
// product's definition, its second the engine; Run is the product's script.
// Configuration Haventide's is ProductSetup; a product of the tests names
// its own definition.
#pragma once

#include "app/setup_application.h"
#include "product/haventide_product.h"

template <class Product>
class ProductSetupOf : public Product, public SetupApplication {
 public:
  int Run() override { return RunProductScript(); }
  InstallInfo* ProductDefinition() override { return this; }
};

using ProductSetup = ProductSetupOf<HaventideProduct>;
