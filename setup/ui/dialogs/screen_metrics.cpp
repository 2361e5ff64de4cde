#include "ui/dialogs/screen_metrics.h"

#include "ui/dialogs/model/per_mille.h"

#include <windows.h>

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
int ScreenXPerMille(int perMille) { return PerMilleOf(ScreenWidth(), perMille); }
int ScreenYPerMille(int perMille) { return PerMilleOf(ScreenHeight(), perMille); }
