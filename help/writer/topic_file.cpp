#include "topic_file.h"

#include <algorithm>

#include "context_hash.h"

namespace hlp {

namespace {

struct Record {
  uint8_t type = 0;
  Bytes data1;  // after the 21-byte link header
  Bytes data2;
  uint32_t chars = 0;  // characters counted for TOPICOFFSET
  int topic = -1;
  uint32_t block = 0, offset = 0, pos = 0;
};

constexpr uint8_t kRecordTopicHeader = 0x02;
constexpr uint8_t kRecordText = 0x20;

// Builds a text record of one paragraph: strings in data2 alternate with the
// formatting commands in data1, one string before each command.
class ParagraphBuilder {
 public:
  explicit ParagraphBuilder(uint16_t font) { setFont(font); }

  void text(const std::string& s) { pending_ += s; }
  void setFont(uint16_t font) {
    command(0x80);
    putU16(commands_, font);
  }
  void jump(int32_t hash, const std::string& label) {
    command(0xE3);
    putU32(commands_, static_cast<uint32_t>(hash));
    text(label);
    command(0x89);
  }

  bool finish(Record& r, int32_t spaceAbove) {
    command(0x82);  // end of paragraph
    command(0xFF);  // end of formatting
    r.type = kRecordText;
    r.data2 = strings_;
    r.chars = static_cast<uint32_t>(strings_.size());
    bool ok = putCompressedLong(r.data1, static_cast<int32_t>(strings_.size()));
    ok = ok && putCompressedUShort(r.data1, r.chars);
    putU8(r.data1, 0);     // unknown byte
    putU8(r.data1, 0x80);  // biased byte, 0
    putU16(r.data1, 0);    // paragraph id
    uint16_t bits = spaceAbove ? 0x0002 : 0;
    putU16(r.data1, bits);
    if (spaceAbove) ok = ok && putCompressedShort(r.data1, spaceAbove);
    append(r.data1, commands_);
    return ok;
  }

 private:
  void command(uint8_t c) {
    putStringZ(strings_, pending_);
    pending_.clear();
    putU8(commands_, c);
  }
  std::string pending_;
  Bytes strings_;
  Bytes commands_;
};

Record topicHeader(int topic, const std::string& title) {
  Record r;
  r.type = kRecordTopicHeader;
  r.topic = topic;
  r.data1.assign(kTopicHeaderSize, 0);
  if (topic >= 0) putStringZ(r.data2, title);
  return r;
}

uint32_t recordSize(const Record& r) {
  return kTopicLinkHeader + static_cast<uint32_t>(r.data1.size() + r.data2.size());
}

}  // namespace

bool buildTopicFile(const HelpSource& src, BuiltTopics& out, std::string& error) {
  std::vector<Record> records;
  for (size_t t = 0; t < src.topics.size(); ++t) {
    const Topic& topic = src.topics[t];
    records.push_back(topicHeader(static_cast<int>(t), topic.title));

    ParagraphBuilder heading(kFontHeading);
    heading.text(topic.title);
    Record h;
    if (!heading.finish(h, 0)) return error = "title too long: " + topic.title, false;
    h.topic = static_cast<int>(t);
    records.push_back(h);

    for (const Paragraph& p : topic.paragraphs) {
      ParagraphBuilder b(kFontBody);
      for (const Span& s : p.spans) {
        if (s.kind == Span::Plain) {
          b.text(s.text);
        } else if (s.kind == Span::Bold) {
          b.setFont(kFontBold);
          b.text(s.text);
          b.setFont(kFontBody);
        } else {
          b.jump(contextHash(s.target), s.text);
        }
      }
      Record r;
      if (!b.finish(r, 6))
        return error = "line " + std::to_string(p.line) + ": paragraph too long", false;
      r.topic = static_cast<int>(t);
      records.push_back(r);
    }
  }
  records.push_back(topicHeader(-1, ""));  // ends the chain

  // Place the records; none may cross a block boundary.
  out.topicOffsets.assign(src.topics.size(), 0);
  out.headerPositions.assign(src.topics.size(), 0);
  uint32_t block = 0, offset = 0, chars = 0;
  for (Record& r : records) {
    uint32_t size = recordSize(r);
    if (size > kTopicBlockData) return error = "a paragraph does not fit in one topic block", false;
    if (offset + size > kTopicBlockData) {
      ++block;
      offset = 0;
      chars = 0;
    }
    r.block = block;
    r.offset = offset;
    r.pos = topicPos(block, offset);
    if (r.type == kRecordTopicHeader && r.topic >= 0) {
      out.topicOffsets[r.topic] = topicOffset(block, chars);
      out.headerPositions[r.topic] = r.pos;
    }
    chars += r.chars;
    offset += size;
  }

  // Fill in the links and the topic headers now that positions are known.
  const uint32_t none = 0xFFFFFFFF;
  for (size_t i = 0; i < records.size(); ++i) {
    Record& r = records[i];
    if (r.type != kRecordTopicHeader) continue;
    uint32_t topicSize = recordSize(r);
    size_t next = i + 1;
    while (next < records.size() && records[next].type != kRecordTopicHeader)
      topicSize += recordSize(records[next++]);
    bool last = r.topic < 0;
    patchU32(r.data1, 0, last ? 0 : topicSize);
    patchU32(r.data1, 4, none);  // browse back
    patchU32(r.data1, 8, none);  // browse forward
    patchU32(r.data1, 12, last ? none : static_cast<uint32_t>(r.topic));
    patchU32(r.data1, 16, none);  // no non-scrolling region
    patchU32(r.data1, 20, last ? none : records[i + 1].pos);
    patchU32(r.data1, 24, last || next >= records.size() ? none : records[next].pos);
  }

  Bytes& b = out.bytes;
  b.assign(static_cast<size_t>(block + 1) * kTopicBlockSize, 0);
  uint32_t lastHeader = none;
  size_t i = 0;
  for (uint32_t blk = 0; blk <= block; ++blk) {
    size_t base = static_cast<size_t>(blk) * kTopicBlockSize;
    patchU32(b, base, i == 0 ? none : records[i - 1].pos);
    patchU32(b, base + 4, records[i].pos);
    patchU32(b, base + 8, lastHeader);
    for (; i < records.size() && records[i].block == blk; ++i) {
      const Record& r = records[i];
      Bytes link;
      putU32(link, recordSize(r));
      putU32(link, static_cast<uint32_t>(r.data2.size()));
      putU32(link, i == 0 ? none : records[i - 1].pos);
      putU32(link, i + 1 == records.size() ? none : records[i + 1].pos);
      putU32(link, kTopicLinkHeader + static_cast<uint32_t>(r.data1.size()));
      putU8(link, r.type);
      append(link, r.data1);
      append(link, r.data2);
      std::copy(link.begin(), link.end(), b.begin() + base + kTopicBlockHeader + r.offset);
      if (r.type == kRecordTopicHeader) lastHeader = r.pos;
    }
  }
  return true;
}

}  // namespace hlp
