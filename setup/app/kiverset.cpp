// kiverset: the setup engine installing Configuration Haventide. The
// command-line tail names the install source directory; without one the
// usage box is shown.
#include <windows.h>

#include "app/setup_entry.h"
#include "product/haventide_tables.h"
#include "product/table_product.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TableProduct product(kHaventideTables);
  return RunSetupProgram(product);
}
