// "Remove Shared File?": asked when no installation counts a shared file
// any more, as Windows 95 uninstallers ask (Yes, Yes to All, No, No to
// All). Closing it answers No.
#pragma once

#include <windows.h>

#include <string>

#include "core/removal.h"

SharedAnswer AskRemoveSharedFile(HWND owner, const std::string& path);
