#include "pe_image.h"

#include <cstdio>

namespace pe {

namespace {

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& data) : data_(data) {}
  bool U16(size_t at, uint16_t* v) const {
    if (at > data_.size() || data_.size() - at < 2) return false;
    *v = static_cast<uint16_t>(data_[at] | data_[at + 1] << 8);
    return true;
  }
  bool U32(size_t at, uint32_t* v) const {
    if (at > data_.size() || data_.size() - at < 4) return false;
    *v = static_cast<uint32_t>(data_[at]) | static_cast<uint32_t>(data_[at + 1]) << 8 |
         static_cast<uint32_t>(data_[at + 2]) << 16 | static_cast<uint32_t>(data_[at + 3]) << 24;
    return true;
  }
  bool CString(size_t at, std::string* s) const {
    s->clear();
    for (size_t i = at; i < data_.size(); ++i) {
      if (data_[i] == 0) return true;
      s->push_back(static_cast<char>(data_[i]));
      if (s->size() > 4096) return false;
    }
    return false;
  }
  size_t Size() const { return data_.size(); }
  uint8_t At(size_t i) const { return data_[i]; }

 private:
  const std::vector<uint8_t>& data_;
};

struct Section {
  uint32_t va, size, rawOffset, rawSize;
};

bool RvaToOffset(const std::vector<Section>& sections, uint32_t rva, size_t* offset) {
  for (const Section& s : sections) {
    uint32_t extent = s.size > s.rawSize ? s.size : s.rawSize;
    if (rva >= s.va && rva - s.va < extent) {
      if (rva - s.va >= s.rawSize) return false;  // in memory only
      *offset = static_cast<size_t>(s.rawOffset) + (rva - s.va);
      return true;
    }
  }
  return false;
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

}  // namespace

bool Parse(const std::vector<uint8_t>& data, Image* image, std::string* error) {
  Reader r(data);
  uint16_t mz;
  uint32_t peOffset, signature;
  if (!r.U16(0, &mz) || mz != 0x5A4D) return Fail(error, "no MZ header");
  if (!r.U32(0x3C, &peOffset) || !r.U32(peOffset, &signature) || signature != 0x4550)
    return Fail(error, "no PE signature");
  const size_t coff = static_cast<size_t>(peOffset) + 4;
  uint16_t sectionCount, optionalSize, characteristics;
  if (!r.U16(coff, &image->machine) || !r.U16(coff + 2, &sectionCount) ||
      !r.U16(coff + 16, &optionalSize) || !r.U16(coff + 18, &characteristics))
    return Fail(error, "truncated file header");
  image->isDll = (characteristics & 0x2000) != 0;
  const size_t opt = coff + 20;
  if (!r.U16(opt, &image->magic) || image->magic != 0x10B) return Fail(error, "not a PE32 image");
  if (optionalSize < 96 + 8 * 3) return Fail(error, "optional header too small");
  uint32_t importRva, resourceRva, exportRva;
  if (!r.U16(opt + 40, &image->osMajor) || !r.U16(opt + 42, &image->osMinor) ||
      !r.U16(opt + 48, &image->subsystemMajor) || !r.U16(opt + 50, &image->subsystemMinor) ||
      !r.U16(opt + 68, &image->subsystem) || !r.U32(opt + 96, &exportRva) ||
      !r.U32(opt + 104, &importRva) || !r.U32(opt + 112, &resourceRva))
    return Fail(error, "truncated optional header");

  std::vector<Section> sections;
  const size_t table = opt + optionalSize;
  uint32_t resourceSectionOffset = 0, resourceSectionSize = 0;
  for (uint16_t i = 0; i < sectionCount; ++i) {
    Section s;
    size_t at = table + 40u * i;
    if (!r.U32(at + 8, &s.size) || !r.U32(at + 12, &s.va) || !r.U32(at + 16, &s.rawSize) ||
        !r.U32(at + 20, &s.rawOffset))
      return Fail(error, "truncated section table");
    if (s.rawOffset > r.Size() || r.Size() - s.rawOffset < s.rawSize)
      return Fail(error, "section past the end");
    if (resourceRva && resourceRva >= s.va && resourceRva - s.va < s.rawSize) {
      resourceSectionOffset = s.rawOffset;
      resourceSectionSize = s.rawSize;
    }
    sections.push_back(s);
  }

  image->imports.clear();
  if (importRva) {
    size_t at;
    if (!RvaToOffset(sections, importRva, &at))
      return Fail(error, "import table outside the sections");
    for (;; at += 20) {
      uint32_t lookup, nameRva, first;
      if (!r.U32(at, &lookup) || !r.U32(at + 12, &nameRva) || !r.U32(at + 16, &first))
        return Fail(error, "truncated import table");
      if (nameRva == 0) break;
      size_t nameAt, thunkAt;
      std::string dll;
      if (!RvaToOffset(sections, nameRva, &nameAt) || !r.CString(nameAt, &dll))
        return Fail(error, "bad import name");
      if (!RvaToOffset(sections, lookup ? lookup : first, &thunkAt))
        return Fail(error, "bad import thunks");
      for (;; thunkAt += 4) {
        uint32_t thunk;
        if (!r.U32(thunkAt, &thunk)) return Fail(error, "truncated thunks");
        if (thunk == 0) break;
        Import imp{dll, std::string()};
        if (thunk & 0x80000000u) {
          imp.function = "#" + std::to_string(thunk & 0xFFFF);
        } else {
          size_t hintAt;
          if (!RvaToOffset(sections, thunk, &hintAt) || !r.CString(hintAt + 2, &imp.function))
            return Fail(error, "bad import by name");
        }
        image->imports.push_back(imp);
      }
    }
  }

  image->exports.clear();
  if (exportRva) {
    size_t at, namesAt;
    uint32_t count, namesRva;
    if (!RvaToOffset(sections, exportRva, &at) || !r.U32(at + 24, &count) ||
        !r.U32(at + 32, &namesRva) || !RvaToOffset(sections, namesRva, &namesAt))
      return Fail(error, "bad export table");
    for (uint32_t i = 0; i < count && i < 65536; ++i) {
      uint32_t nameRva;
      size_t nameAt;
      std::string name;
      if (!r.U32(namesAt + 4u * i, &nameRva) || !RvaToOffset(sections, nameRva, &nameAt) ||
          !r.CString(nameAt, &name))
        return Fail(error, "bad export name");
      image->exports.push_back(name);
    }
  }

  // The version resource's fixed part starts with its signature.
  image->hasVersion = false;
  image->resourceText.clear();
  for (size_t i = resourceSectionOffset;
       i + 1 < resourceSectionOffset + static_cast<size_t>(resourceSectionSize); i += 2) {
    uint8_t lo = r.At(i), hi = r.At(i + 1);
    // Printable characters kept, every run of anything else one line feed.
    if (hi == 0 && lo >= 0x20 && lo < 0x7F)
      image->resourceText.push_back(static_cast<char>(lo));
    else if (image->resourceText.empty() || image->resourceText.back() != '\n')
      image->resourceText.push_back('\n');
    uint32_t word;
    if (!image->hasVersion && r.U32(i, &word) && word == 0xFEEF04BDu &&
        r.U32(i + 8, &image->fileVersionMS) && r.U32(i + 12, &image->fileVersionLS) &&
        r.U32(i + 16, &image->productVersionMS) && r.U32(i + 20, &image->productVersionLS))
      image->hasVersion = true;
  }
  return true;
}

bool ParseFile(const std::string& path, Image* image, std::string* error) {
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return Fail(error, "cannot open the file");
  std::vector<uint8_t> data;
  uint8_t buffer[65536];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) data.insert(data.end(), buffer, buffer + n);
  fclose(f);
  return Parse(data, image, error);
}

}  // namespace pe
