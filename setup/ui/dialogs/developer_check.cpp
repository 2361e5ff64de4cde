#include "ui/dialogs/developer_check.h"

#include <windows.h>

const char kDelBeforeDestruction[] = "del() must be called before destruction";

void ShowDeveloperCheck(const char* text) { MessageBoxA(nullptr, text, nullptr, MB_OK); }
