// The registry phase: the product's registry values, each built from its
// declared text by type and set through the file operations (which create
// the key, report failures and record the change).
#include <memory>
#include <new>

#include "app/phase_scopes.h"
#include "app/registry_value_data.h"
#include "app/setup_application.h"
#include "resources/string_ids.h"
#include "ui/dialogs/message_pump.h"

namespace {

// The whole content of a file, or nothing.
std::unique_ptr<char[]> ReadWholeFile(const char* path, DWORD& length) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  length = GetFileSize(file, nullptr);
  std::unique_ptr<char[]> data;
  DWORD read = 0;
  if (length != INVALID_FILE_SIZE) data.reset(new (std::nothrow) char[length ? length : 1]);
  const bool whole = data && ReadFile(file, data.get(), length, &read, nullptr) && read == length;
  CloseHandle(file);
  if (!whole) data.reset();
  return data;
}

}  // namespace

bool SetupApplication::SetRegistryEntry(const RegistryEntry& entry) {
  std::unique_ptr<char[]> data;
  DWORD length = 0;
  switch (entry.type) {
    case REG_BINARY:
      data = ReadWholeFile(entry.data, length);
      break;
    case REG_DWORD:
      length = sizeof(DWORD);
      data.reset(new (std::nothrow) char[length]);
      if (data) CopyMemory(data.get(), &entry.number, length);
      break;
    case REG_MULTI_SZ:
      length = static_cast<DWORD>(MultiStringLength(entry.data));
      data.reset(new (std::nothrow) char[length]);
      if (data) BuildMultiString(entry.data, data.get());
      break;
    default:  // strings, and what the product should not declare
      length = lstrlenA(entry.data) + 1;
      data.reset(new (std::nothrow) char[length]);
      if (data) CopyMemory(data.get(), entry.data, length);
      break;
  }
  if (!data) return false;
  return operations_.SetValue(entry.root, entry.key, entry.valueName,
                              static_cast<DWORD>(entry.type), length, data.get());
}

bool SetupApplication::RegistryPhase() {
  InstallInfo& product = product_;
  const int count = product.RegistryEntryCount();
  if (count <= 0) return true;
  PhaseStatus status(operations_, background_.Handle(), productName_);
  status.Open(kStrSettingKeys);
  BusyScope busy(Meter(), 1);
  for (int i = 0; i < count; ++i) {
    if (!registryEntries_.Selected(i)) continue;
    RegistryEntry entry;
    if (!product.GetRegistryEntry(i, entry) || !SetRegistryEntry(entry) ||
        operations_.RecorderFailed())
      return false;
    PumpMessages(false);
  }
  return true;
}
