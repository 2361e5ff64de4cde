#include "install_log/log_encoder.h"

#include <cstring>

#include "install_log/install_log_format.h"

void LogEncoder::Int32(uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    bytes_.push_back(static_cast<uint8_t>(value >> shift));
}

void LogEncoder::Raw(const void* data, size_t size) {
  if (size == 0) return;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), bytes, bytes + size);
}

void LogEncoder::String(const char* text) {
  if (text == nullptr) text = "";
  const size_t length = std::strlen(text);
  if (length > install_log::kMaxStringLength) overlong_ = true;
  if (length < install_log::kLongStringMarker) {
    Byte(static_cast<uint8_t>(length));
  } else {
    Byte(install_log::kLongStringMarker);
    Int32(static_cast<uint32_t>(length));
  }
  Raw(text, length);
}

void EncodeLogHeader(LogEncoder& out, const char* title) {
  out.Raw(install_log::kPlaceholderChainName, install_log::kChainNameSize);
  out.Raw(install_log::kVersionBytes, sizeof install_log::kVersionBytes);
  out.String(title);
}
