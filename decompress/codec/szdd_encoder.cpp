#include "szdd_encoder.h"

#include "szdd_format.h"

namespace szdd {
namespace {

constexpr unsigned kHashBits = 15;
constexpr unsigned kMaxDistance = kWindowSize - 1;

unsigned Hash3(const std::uint8_t* p) {
  return ((unsigned{p[0]} << 10) ^ (unsigned{p[1]} << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

// Longest match for every input position. The window starts out full of
// spaces, so the text is searched with kWindowSize spaces in front of it.
struct Matches {
  std::vector<std::uint8_t> len;  // 0 when shorter than kMinMatch
  std::vector<std::uint16_t> dist;
};

Matches FindMatches(const std::uint8_t* data, std::size_t n, unsigned maxChain) {
  const std::size_t pre = kWindowSize;
  std::vector<std::uint8_t> buf(pre + n, kFill);
  for (std::size_t i = 0; i < n; ++i) buf[pre + i] = data[i];
  const std::size_t total = buf.size();

  std::vector<std::int32_t> head(std::size_t{1} << kHashBits, -1);
  std::vector<std::int32_t> prev(total, -1);
  Matches m;
  m.len.assign(n, 0);
  m.dist.assign(n, 0);

  for (std::size_t p = 0; p + kMinMatch <= total; ++p) {
    const unsigned h = Hash3(&buf[p]);
    if (p >= pre) {
      const std::size_t avail = total - p;
      const std::size_t limit = avail < kMaxMatch ? avail : kMaxMatch;
      unsigned best = 0, bestDist = 0, tries = 0;
      for (std::int32_t q = head[h]; q >= 0 && tries < maxChain; q = prev[q], ++tries) {
        const std::size_t d = p - static_cast<std::size_t>(q);
        if (d > kMaxDistance) break;
        unsigned l = 0;
        while (l < limit && buf[q + l] == buf[p + l]) ++l;
        if (l > best) {
          best = l;
          bestDist = static_cast<unsigned>(d);
          if (l == limit) break;
        }
      }
      if (best >= kMinMatch) {
        m.len[p - pre] = static_cast<std::uint8_t>(best);
        m.dist[p - pre] = static_cast<std::uint16_t>(bestDist);
      }
    }
    prev[p] = head[h];
    head[h] = static_cast<std::int32_t>(p);
  }
  return m;
}

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}
  void Literal(std::uint8_t b) {
    Item(true);
    out_.push_back(b);
  }
  void Match(unsigned windowPos, unsigned len) {
    Item(false);
    out_.push_back(static_cast<std::uint8_t>(windowPos & 0xFF));
    out_.push_back(static_cast<std::uint8_t>(((windowPos >> 4) & 0xF0) | (len - kMinMatch)));
  }

 private:
  void Item(bool literal) {
    if (bits_ == 8) {
      flagAt_ = out_.size();
      out_.push_back(0);
      bits_ = 0;
    }
    if (literal) out_[flagAt_] = static_cast<std::uint8_t>(out_[flagAt_] | 1u << bits_);
    ++bits_;
  }
  std::vector<std::uint8_t>& out_;
  std::size_t flagAt_ = 0;
  unsigned bits_ = 8;
};

}  // namespace

bool Encode(const std::uint8_t* data, std::size_t n, std::vector<std::uint8_t>& out,
            const EncodeOptions& options) {
  if (n > 0xFFFFFFFFu || (data == nullptr && n != 0)) return false;
  const Matches m = FindMatches(data, n, options.maxChain ? options.maxChain : 1);

  // cost[i]: fewest bits to code data[i, n); take[i]: 0 literal, else match length.
  std::vector<std::uint32_t> cost(n + 1, 0);
  std::vector<std::uint8_t> take(n, 0);
  for (std::size_t i = n; i-- > 0;) {
    std::uint32_t best = 9 + cost[i + 1];
    std::uint8_t choice = 0;
    for (unsigned l = kMinMatch; l <= m.len[i]; ++l) {
      const std::uint32_t c = 17 + cost[i + l];
      if (c < best) {
        best = c;
        choice = static_cast<std::uint8_t>(l);
      }
    }
    cost[i] = best;
    take[i] = choice;
  }

  out.insert(out.end(), kMagic, kMagic + sizeof kMagic);
  out.push_back(kModeLz);
  out.push_back(options.missingChar);
  const auto len32 = static_cast<std::uint32_t>(n);
  for (unsigned s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(len32 >> s));

  Writer w(out);
  for (std::size_t i = 0; i < n;) {
    if (take[i] == 0) {
      w.Literal(data[i]);
      ++i;
    } else {
      const unsigned pos = static_cast<unsigned>((kFirstWrite + i - m.dist[i]) & kWindowMask);
      w.Match(pos, take[i]);
      i += take[i];
    }
  }
  return true;
}

}  // namespace szdd
