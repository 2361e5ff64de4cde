// RegistryOperations: registry keys and values, roots by their RootKind
// (base/registry_roots.h). Every key or value made or changed is told to
// the context's recorder; failures are reported through the context.
#pragma once

#include <windows.h>

#include "base/registry_text.h"

class OperationContext;

class RegistryOperations : public RegistryText {
 public:
  explicit RegistryOperations(OperationContext& context) : context_(context) {}

  bool KeyExists(int root, const char* key);
  bool CreateKey(int root, const char* key);
  bool SetValue(int root, const char* key, const char* name, DWORD type, DWORD size,
                const void* data);
  // Newly allocated data (free with delete[]), or null. type and size out.
  unsigned char* ReadValue(int root, const char* key, const char* name, DWORD& type, DWORD& size);
  // True when the value exists and is a REG_SZ; the text is cut to fit.
  bool ReadString(int root, const char* key, const char* name, char* text, int textSize) override;

 private:
  OperationContext& context_;
};
