#include "product/install_info.h"

#include <cstdio>

void FileEntry::SetFlags(int copyFlags) {
  storedPlain = (copyFlags & kStoredPlain) != 0;
  shared = (copyFlags & kSharedFile) != 0;
  append = (copyFlags & kAppendFile) != 0;
  font = (copyFlags & kFontFile) != 0;
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
