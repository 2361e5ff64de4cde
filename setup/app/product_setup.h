// ProductSetup: the installation object of one run. Its first part is the
// product definition of Configuration Haventide, its second the engine; Run
// is the product's script.
#pragma once

#include "app/setup_application.h"
#include "product/haventide_product.h"

class ProductSetup : public HaventideProduct, public SetupApplication {
 public:
  int Run() override;
  InstallInfo* ProductDefinition() override { return this; }
  // The required space as the folder prompt is given it, in K.
  int RequiredK() const { return requiredK_; }

 private:
  int Script();
  bool FillDirectories();
  bool Welcome();
  bool AskFolder();

  int requiredK_ = 0;
};
