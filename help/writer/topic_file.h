// The |TOPIC internal file: 4 KiB blocks of topic records, uncompressed.
#pragma once

#include <string>
#include <vector>

#include "help_source.h"
#include "le_bytes.h"

namespace hlp {

constexpr uint32_t kTopicBlockSize = 4096;
constexpr uint32_t kTopicBlockHeader = 12;
constexpr uint32_t kTopicBlockData = kTopicBlockSize - kTopicBlockHeader;
constexpr uint32_t kTopicLinkHeader = 21;
constexpr uint32_t kTopicHeaderSize = 28;

// Font numbers of the |FONT file this writer makes.
enum FontNumber : uint16_t { kFontBody = 0, kFontBold = 1, kFontHeading = 2 };

// TOPICPOS: where a record starts (block in the high bits, byte in the block
// data after the 12-byte block header). Records never cross a block, so the
// form is the same for readers that count blocks in 4084 or 16384 bytes.
inline uint32_t TopicPos(uint32_t block, uint32_t offset) {
  return (block << 14) + offset + kTopicBlockHeader;
}
// TOPICOFFSET: block in the high bits, then the text characters of the
// records before this point in the same block.
inline uint32_t TopicOffset(uint32_t block, uint32_t chars) { return (block << 15) + chars; }

struct BuiltTopics {
  Bytes bytes;                         // the whole |TOPIC file
  std::vector<uint32_t> topicOffsets;  // per source topic
  std::vector<uint32_t> headerPositions;
};

bool BuildTopicFile(const HelpSource& src, BuiltTopics& out, std::string& error);

}  // namespace hlp
