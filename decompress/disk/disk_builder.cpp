#include "disk_builder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "disk_layout.h"
#include "szdd_encoder.h"

namespace fs = std::filesystem;

namespace disk {
namespace {

bool ReadWhole(const std::string& path, std::vector<std::uint8_t>& out) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  out.clear();
  std::uint8_t buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

bool WriteWhole(const fs::path& path, const std::vector<std::uint8_t>& data) {
  std::FILE* f = std::fopen(path.string().c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && ok;
}

// The last character of the original extension, as the header keeps it.
std::uint8_t MissingChar(const std::string& diskName) {
  const std::size_t dot = diskName.find_last_of('.');
  if (dot == std::string::npos || diskName.size() - dot - 1 != 3) return 0;
  return static_cast<std::uint8_t>(diskName.back());
}

bool Fail(std::string& error, const std::string& message, const fs::path& partial) {
  error = message;
  std::error_code ec;
  if (!partial.empty()) fs::remove_all(partial, ec);
  return false;
}

}  // namespace

bool BuildDisk(const std::string& outDir, const std::map<std::string, std::string>& inputs,
               std::string& error, std::FILE* report) {
  return BuildDisk(outDir, DiskContents(), inputs, error, report);
}

bool BuildDisk(const std::string& outDir, const std::vector<DiskEntry>& entries,
               const std::map<std::string, std::string>& inputs, std::string& error,
               std::FILE* report) {
  for (const auto& given : inputs) {
    bool known = false;
    for (const DiskEntry& e : entries) known = known || given.first == e.input;
    if (!known) return Fail(error, "not a file of the disk: " + given.first, {});
  }
  for (const DiskEntry& e : entries) {
    const auto it = inputs.find(e.input);
    if (it == inputs.end()) return Fail(error, "no input given for " + e.input, {});
    std::error_code ec;
    if (!fs::is_regular_file(it->second, ec))
      return Fail(error, "missing input for " + e.input + ": " + it->second, {});
  }

  const fs::path target(outDir);
  const fs::path partial(outDir + ".partial");
  std::error_code ec;
  fs::remove_all(partial, ec);
  if (!fs::create_directories(partial, ec) || ec)
    return Fail(error, "cannot create " + partial.string(), partial);

  unsigned long long before = 0, after = 0;
  std::vector<std::uint8_t> data, out;
  for (const DiskEntry& e : entries) {
    const std::string& src = inputs.at(e.input);
    if (!ReadWhole(src, data)) return Fail(error, "cannot read " + src, partial);
    const std::string name = DiskName(e);
    out.clear();
    if (e.compressed) {
      szdd::EncodeOptions o;
      o.missingChar = MissingChar(DiskName({e.input, false}));
      if (!szdd::Encode(data.data(), data.size(), out, o))
        return Fail(error, "cannot compress " + src, partial);
    }
    const std::vector<std::uint8_t>& written = e.compressed ? out : data;
    if (!WriteWhole(partial / name, written))
      return Fail(error, "cannot write " + (partial / name).string(), partial);
    before += data.size();
    after += written.size();
    if (report)
      std::fprintf(report, "%-13s %10zu  ->  %-13s %10zu\n", e.input.c_str(), data.size(),
                   name.c_str(), written.size());
  }

  fs::remove_all(target, ec);
  if (ec) return Fail(error, "cannot remove the old " + target.string(), partial);
  fs::rename(partial, target, ec);
  if (ec) return Fail(error, "cannot move the disk into " + target.string(), partial);
  if (report) std::fprintf(report, "%-13s %10llu  ->  %-13s %10llu\n", "total", before, "", after);
  return true;
}

}  // namespace disk
