// FontOperations: a font file added to the system's font table, told to the
// context's recorder; a refusal is reported through the context.
#pragma once

#include <cstdint>

class OperationContext;

class FontOperations {
 public:
  explicit FontOperations(OperationContext& context) : context_(context) {}

  bool InstallFont(const char* path, int32_t flag);

 private:
  OperationContext& context_;
};
