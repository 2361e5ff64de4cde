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
  explicit ParagraphBuilder(uint16_t font) { SetFont(font); }

  void Text(const std::string& s) { pending_ += s; }
  void SetFont(uint16_t font) {
    Command(0x80);
    PutU16(commands_, font);
  }
  void Jump(int32_t hash, const std::string& label) {
    Command(0xE3);
    PutU32(commands_, static_cast<uint32_t>(hash));
    Text(label);
    Command(0x89);
  }

  bool Finish(Record& r, int32_t spaceAbove) {
    Command(0x82);  // end of paragraph
    Command(0xFF);  // end of formatting
    r.type = kRecordText;
    r.data2 = strings_;
    r.chars = static_cast<uint32_t>(strings_.size());
    bool ok = PutCompressedLong(r.data1, static_cast<int32_t>(strings_.size()));
    ok = ok && PutCompressedUShort(r.data1, r.chars);
    PutU8(r.data1, 0);     // unknown byte
    PutU8(r.data1, 0x80);  // biased byte, 0
    PutU16(r.data1, 0);    // paragraph id
    uint16_t bits = spaceAbove ? 0x0002 : 0;
    PutU16(r.data1, bits);
    if (spaceAbove) ok = ok && PutCompressedShort(r.data1, spaceAbove);
    Append(r.data1, commands_);
    return ok;
  }

 private:
  void Command(uint8_t c) {
    PutStringZ(strings_, pending_);
    pending_.clear();
    PutU8(commands_, c);
  }
  std::string pending_;
  Bytes strings_;
  Bytes commands_;
};

Record TopicHeader(int topic, const std::string& title) {
  Record r;
  r.type = kRecordTopicHeader;
  r.topic = topic;
  r.data1.assign(kTopicHeaderSize, 0);
  if (topic >= 0) PutStringZ(r.data2, title);
  return r;
}

uint32_t RecordSize(const Record& r) {
  return kTopicLinkHeader + static_cast<uint32_t>(r.data1.size() + r.data2.size());
}

}  // namespace

bool BuildTopicFile(const HelpSource& src, BuiltTopics& out, std::string& error) {
  std::vector<Record> records;
  for (size_t t = 0; t < src.topics.size(); ++t) {
    const Topic& topic = src.topics[t];
    records.push_back(TopicHeader(static_cast<int>(t), topic.title));

    ParagraphBuilder heading(kFontHeading);
    heading.Text(topic.title);
    Record h;
    if (!heading.Finish(h, 0)) return error = "title too long: " + topic.title, false;
    h.topic = static_cast<int>(t);
    records.push_back(h);

    for (const Paragraph& p : topic.paragraphs) {
      ParagraphBuilder b(kFontBody);
      for (const Span& s : p.spans) {
        if (s.kind == Span::Plain) {
          b.Text(s.text);
        } else if (s.kind == Span::Bold) {
          b.SetFont(kFontBold);
          b.Text(s.text);
          b.SetFont(kFontBody);
        } else {
          b.Jump(ContextHash(s.target), s.text);
        }
      }
      Record r;
      if (!b.Finish(r, 6))
        return error = "line " + std::to_string(p.line) + ": paragraph too long", false;
      r.topic = static_cast<int>(t);
      records.push_back(r);
    }
  }
  records.push_back(TopicHeader(-1, ""));  // ends the chain

  // Place the records; none may cross a block boundary.
  out.topicOffsets.assign(src.topics.size(), 0);
  out.headerPositions.assign(src.topics.size(), 0);
  uint32_t block = 0, offset = 0, chars = 0;
  for (Record& r : records) {
    uint32_t size = RecordSize(r);
    if (size > kTopicBlockData) return error = "a paragraph does not fit in one topic block", false;
    if (offset + size > kTopicBlockData) {
      ++block;
      offset = 0;
      chars = 0;
    }
    r.block = block;
    r.offset = offset;
    r.pos = TopicPos(block, offset);
    if (r.type == kRecordTopicHeader && r.topic >= 0) {
      out.topicOffsets[r.topic] = TopicOffset(block, chars);
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
    uint32_t topicSize = RecordSize(r);
    size_t next = i + 1;
    while (next < records.size() && records[next].type != kRecordTopicHeader)
      topicSize += RecordSize(records[next++]);
    bool last = r.topic < 0;
    PatchU32(r.data1, 0, last ? 0 : topicSize);
    PatchU32(r.data1, 4, none);  // browse back
    PatchU32(r.data1, 8, none);  // browse forward
    PatchU32(r.data1, 12, last ? none : static_cast<uint32_t>(r.topic));
    PatchU32(r.data1, 16, none);  // no non-scrolling region
    PatchU32(r.data1, 20, last ? none : records[i + 1].pos);
    PatchU32(r.data1, 24, last || next >= records.size() ? none : records[next].pos);
  }

  Bytes& b = out.bytes;
  b.assign(static_cast<size_t>(block + 1) * kTopicBlockSize, 0);
  uint32_t lastHeader = none;
  size_t i = 0;
  for (uint32_t blk = 0; blk <= block; ++blk) {
    size_t base = static_cast<size_t>(blk) * kTopicBlockSize;
    PatchU32(b, base, i == 0 ? none : records[i - 1].pos);
    PatchU32(b, base + 4, records[i].pos);
    PatchU32(b, base + 8, lastHeader);
    for (; i < records.size() && records[i].block == blk; ++i) {
      const Record& r = records[i];
      Bytes link;
      PutU32(link, RecordSize(r));
      PutU32(link, static_cast<uint32_t>(r.data2.size()));
      PutU32(link, i == 0 ? none : records[i - 1].pos);
      PutU32(link, i + 1 == records.size() ? none : records[i + 1].pos);
      PutU32(link, kTopicLinkHeader + static_cast<uint32_t>(r.data1.size()));
      PutU8(link, r.type);
      Append(link, r.data1);
      Append(link, r.data2);
      std::copy(link.begin(), link.end(), b.begin() + base + kTopicBlockHeader + r.offset);
      if (r.type == kRecordTopicHeader) lastHeader = r.pos;
    }
  }
  return true;
}

}  // namespace hlp
