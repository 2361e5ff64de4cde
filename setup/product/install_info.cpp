#include "product/install_info.h"

#include <cstdio>

void FileEntry::Unpack(int flags) {
  storedPlain = (flags & kStoredPlain) ? 1 : 0;
  shared = (flags & kSharedFile) ? 1 : 0;
  append = (flags & kAppendFile) ? 1 : 0;
  font = (flags & kFontFile) ? 1 : 0;
  policy = (flags & kPolicyMask) >> kPolicyShift;
}

double CopyRowBytes(InstallInfo& product) {
  double bytes = 0;
  const int rows = product.FileRowCount();
  for (int row = 0; row < rows; ++row)
    if (product.RowKind(row) == kRowCopy) bytes += product.RowSize(row);
  return bytes;
}

bool UninstallStringOf(const ProductDirectories& folders, char (&data)[kRegistryDataChars]) {
  const int written = std::snprintf(data, kRegistryDataChars, "%s\\vantrel3.exe %s\\filog.ini",
                                    folders.windows, folders.install);
  return written >= 0 && written < kRegistryDataChars;
}
