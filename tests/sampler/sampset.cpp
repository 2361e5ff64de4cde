// sampset: the setup engine installing Sampler Suite, a product of the
// tests, from the sampler's disk.
#include <windows.h>

#include <new>

#include "app/product_setup.h"
#include "app/setup_entry.h"
#include "sampler_product.h"

namespace {

SetupApplication* MakeSamplerSetup() { return new (std::nothrow) ProductSetupOf<SamplerProduct>; }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunSetupProgram(MakeSamplerSetup); }
