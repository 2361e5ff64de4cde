#include "help_source.h"

#include <cctype>
#include <cstdlib>
#include <map>

#include "context_hash.h"

namespace hlp {

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

bool Fail(SourceError& error, int line, const std::string& message) {
  error.line = line;
  error.message = message;
  return false;
}

bool ParseNumber(const std::string& s, uint32_t& v) {
  if (s.empty()) return false;
  char* end = nullptr;
  unsigned long n = std::strtoul(s.c_str(), &end, 0);
  if (*end != '\0' || n > 0xFFFFFFFFul || s[0] == '-') return false;
  v = static_cast<uint32_t>(n);
  return true;
}

// Splits one paragraph's text into plain, bold and jump spans.
bool ParseInline(const std::string& text, int line, Paragraph& para, SourceError& error) {
  std::string plain;
  auto flush = [&]() {
    if (!plain.empty()) para.spans.push_back({Span::Plain, plain, ""});
    plain.clear();
  };
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "**") == 0) {
      size_t close = text.find("**", i + 2);
      if (close == std::string::npos) return Fail(error, line, "bold text without closing '**'");
      if (close == i + 2) return Fail(error, line, "empty bold text");
      flush();
      para.spans.push_back({Span::Bold, text.substr(i + 2, close - i - 2), ""});
      i = close + 2;
    } else if (text[i] == '[') {
      size_t mid = text.find("](", i);
      size_t close = mid == std::string::npos ? mid : text.find(')', mid);
      if (close == std::string::npos) return Fail(error, line, "jump without '](target)'");
      std::string label = text.substr(i + 1, mid - i - 1);
      std::string target = Trim(text.substr(mid + 2, close - mid - 2));
      if (label.empty() || label.find('[') != std::string::npos)
        return Fail(error, line, "jump with an empty or broken label");
      if (target.empty()) return Fail(error, line, "jump without a target");
      flush();
      para.spans.push_back({Span::Jump, label, target});
      i = close + 1;
    } else {
      plain += text[i++];
    }
  }
  flush();
  return true;
}

bool ParseTopicLine(const std::string& rest, int line, Topic& t, SourceError& error) {
  size_t colon = rest.find(':');
  if (colon == std::string::npos)
    return Fail(error, line, "topic line needs '= name [number]: title'");
  std::string head = Trim(rest.substr(0, colon));
  t.title = Trim(rest.substr(colon + 1));
  t.line = line;
  size_t space = head.find_first_of(" \t");
  t.name = Trim(head.substr(0, space));
  if (space != std::string::npos) {
    std::string num = Trim(head.substr(space));
    if (!ParseNumber(num, t.number)) return Fail(error, line, "bad context number '" + num + "'");
    t.hasNumber = true;
  }
  if (t.title.empty()) return Fail(error, line, "topic without a title");
  if (!IsHashableContextName(t.name))
    return Fail(error, line,
                "context name '" + t.name + "' may use only letters, digits, '.' and '_'");
  return true;
}

std::vector<std::string> SplitKeywords(const std::string& s) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= s.size()) {
    size_t semi = s.find(';', start);
    if (semi == std::string::npos) semi = s.size();
    std::string k = Trim(s.substr(start, semi - start));
    if (!k.empty()) out.push_back(k);
    start = semi + 1;
  }
  return out;
}

bool CheckReferences(const HelpSource& src, SourceError& error) {
  std::map<std::string, int> names;
  std::map<int32_t, int> hashes;
  std::map<uint32_t, int> numbers;
  for (const Topic& t : src.topics) {
    std::string key = FoldCase(t.name);
    if (names.count(key))
      return Fail(error, t.line,
                  "duplicate context name '" + t.name + "' (first on line " +
                      std::to_string(names[key]) + ")");
    names[key] = t.line;
    int32_t h = ContextHash(t.name);
    if (hashes.count(h))
      return Fail(error, t.line,
                  "context name '" + t.name + "' has the same hash as the one on line " +
                      std::to_string(hashes[h]));
    hashes[h] = t.line;
    if (t.hasNumber) {
      if (numbers.count(t.number))
        return Fail(error, t.line,
                    "duplicate context number " + std::to_string(t.number) + " (first on line " +
                        std::to_string(numbers[t.number]) + ")");
      numbers[t.number] = t.line;
    }
  }
  for (const Topic& t : src.topics)
    for (const Paragraph& p : t.paragraphs)
      for (const Span& s : p.spans)
        if (s.kind == Span::Jump && FindTopic(src, s.target) < 0)
          return Fail(error, p.line, "jump to unknown topic '" + s.target + "'");
  if (!src.contents.empty() && FindTopic(src, src.contents) < 0)
    return Fail(error, src.contentsLine, "contents topic '" + src.contents + "' does not exist");
  return true;
}

}  // namespace

std::string FoldCase(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

int FindTopic(const HelpSource& src, const std::string& name) {
  std::string key = FoldCase(name);
  for (size_t i = 0; i < src.topics.size(); ++i)
    if (FoldCase(src.topics[i].name) == key) return static_cast<int>(i);
  return -1;
}

bool ParseHelpSource(const std::string& text, HelpSource& out, SourceError& error) {
  out = HelpSource();
  std::string paraText;
  int paraLine = 0;
  int lineNo = 0;
  auto endParagraph = [&]() -> bool {
    if (paraText.empty()) return true;
    Paragraph p;
    p.line = paraLine;
    bool ok = ParseInline(paraText, paraLine, p, error);
    out.topics.back().paragraphs.push_back(p);
    paraText.clear();
    return ok;
  };
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    std::string raw = text.substr(pos, nl - pos);
    pos = nl + 1;
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string line = Trim(raw);
    if (!line.empty() && line[0] == '#') continue;
    if (line.empty()) {
      if (!out.topics.empty() && !endParagraph()) return false;
      continue;
    }
    if (line[0] == '=') {
      if (!out.topics.empty() && !endParagraph()) return false;
      Topic t;
      if (!ParseTopicLine(line.substr(1), lineNo, t, error)) return false;
      out.topics.push_back(t);
      continue;
    }
    if (out.topics.empty()) {
      size_t colon = line.find(':');
      std::string key = colon == std::string::npos ? "" : Trim(line.substr(0, colon));
      std::string value = colon == std::string::npos ? "" : Trim(line.substr(colon + 1));
      uint32_t n = 0;
      if (key == "title") {
        out.title = value;
      } else if (key == "contents") {
        out.contents = value;
        out.contentsLine = lineNo;
      } else if (key == "lcid") {
        if (!ParseNumber(value, n) || n > 0xFFFF) return Fail(error, lineNo, "bad lcid");
        out.lcid = static_cast<uint16_t>(n);
      } else if (key == "charset") {
        if (!ParseNumber(value, n) || n > 0xFF) return Fail(error, lineNo, "bad charset");
        out.charset = static_cast<uint8_t>(n);
      } else {
        return Fail(error, lineNo,
                    "expected 'title:', 'contents:', 'lcid:', 'charset:' or a topic");
      }
      continue;
    }
    if (paraText.empty() && line.compare(0, 9, "keywords:") == 0) {
      for (const std::string& k : SplitKeywords(line.substr(9)))
        out.topics.back().keywords.push_back(k);
      continue;
    }
    if (paraText.empty()) {
      paraLine = lineNo;
      paraText = line;
    } else {
      paraText += " " + line;
    }
  }
  if (!out.topics.empty() && !endParagraph()) return false;
  if (out.topics.empty()) return Fail(error, lineNo, "no topics");
  if (out.title.empty()) return Fail(error, 1, "missing 'title:'");
  return CheckReferences(out, error);
}

}  // namespace hlp
