#include "base/product_tables.h"

#include <cstdio>

namespace {

template <int N>
bool CopyText(char (&field)[N], const char* text) {
  const int written = std::snprintf(field, N, "%s", text);
  return written >= 0 && written < N;
}

}  // namespace

bool ReadOptionRecord(const ProductTables& tables, int option, OptionRecord& record) {
  const ProductOption* o = tables.options.At(option);
  if (!o) return false;
  record.isOption = o->isOption;
  record.exclusive = o->exclusive;
  record.state = o->state;
  record.kind = o->kind;
  record.expanded = o->expanded;
  return CopyText(record.text, o->text) && CopyText(record.description, o->description);
}

int CopyRowSize(const ProductTables& tables, int row) {
  const ProductRow* r = tables.rows.At(row);
  return r && r->kind == kRowCopy ? r->size : 0;
}
