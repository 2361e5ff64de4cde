#include "ui/prompts/model/attribute_text.h"

#include "resources/string_ids.h"

#include <cstdio>

unsigned FileTypeStringId(unsigned long type) {
  switch (type) {
    case 1:
      return kStrTypeApplication;
    case 2:
      return kStrTypeDll;
    case 3:
      return kStrTypeDriver;
    case 4:
      return kStrTypeFont;
    case 5:
      return kStrTypeVxd;
    case 7:
      return kStrTypeStaticLib;
    default:
      return kStrTypeUnknown;
  }
}

unsigned FileSubtypeStringId(unsigned long subtype) {
  switch (subtype) {
    case 1:
      return kStrDriverPrinter;
    case 2:
      return kStrDriverKeyboard;
    case 3:
      return kStrDriverLanguage;
    case 4:
      return kStrDriverDisplay;
    case 5:
      return kStrDriverMouse;
    case 6:
      return kStrDriverNetwork;
    case 7:
      return kStrDriverSystem;
    case 8:
      return kStrDriverInstallable;
    case 9:
      return kStrDriverSound;
    case 10:
      return kStrDriverComm;
    default:
      return kStrTypeUnknown;
  }
}

void FormatFileVersion(uint32_t versionMs, uint32_t versionLs, char* text, std::size_t size) {
  if (!text || size == 0) return;
  std::snprintf(text, size, "%d.%d.%d.%d", static_cast<int>(versionMs >> 16),
                static_cast<int>(versionMs & 0xFFFF), static_cast<int>(versionLs >> 16),
                static_cast<int>(versionLs & 0xFFFF));
}

void FormatCharacterSet(uint16_t characterSet, char* text, std::size_t size) {
  if (!text || size == 0) return;
  std::snprintf(text, size, "%lx", static_cast<unsigned long>(characterSet));
}
