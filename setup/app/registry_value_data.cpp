#include "app/registry_value_data.h"

#include <cstring>

namespace {

// Walks the pieces of text between CR LF pairs.
template <typename Visit>
void ForEachPiece(const char* text, Visit visit) {
  const char* piece = text;
  for (;;) {
    const char* end = std::strstr(piece, "\r\n");
    if (!end) {
      visit(piece, std::strlen(piece));
      return;
    }
    visit(piece, static_cast<std::size_t>(end - piece));
    piece = end + 2;
  }
}

}  // namespace

std::size_t MultiStringLength(const char* text) {
  std::size_t length = 1;
  ForEachPiece(text, [&](const char*, std::size_t n) { length += n + 1; });
  return length;
}

void BuildMultiString(const char* text, char* data) {
  ForEachPiece(text, [&](const char* piece, std::size_t n) {
    std::memcpy(data, piece, n);
    data[n] = '\0';
    data += n + 1;
  });
  *data = '\0';
}
