// sampset: the setup engine installing Sampler Suite, a product of the
// tests, from the sampler's disk.
#include <windows.h>

#include "app/setup_entry.h"
#include "product/table_product.h"
#include "sampler_tables.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TableProduct product(kSamplerTables);
  return RunSetupProgram(product);
}
