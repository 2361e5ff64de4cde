#include "import_gate.h"

#include <cctype>

namespace pe {

namespace {

// The system DLLs of retail Windows 95 that a program of ours may import.
const std::set<std::string> kWindows95Dlls = {"KERNEL32.DLL", "USER32.DLL",  "GDI32.DLL",
                                              "ADVAPI32.DLL", "SHELL32.DLL", "COMCTL32.DLL",
                                              "VERSION.DLL",  "CRTDLL.DLL",  "LZ32.DLL"};

// The Unicode functions that Windows 95 really implements; every other "...W"
// function there is a stub that fails.
const std::set<std::string> kWorkingUnicodeFunctions = {
    "MessageBoxW",         "TextOutW",
    "ExtTextOutW",         "GetCharWidthW",
    "GetTextExtentPointW", "GetTextExtentExPointW",
    "MultiByteToWideChar", "WideCharToMultiByte"};

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t begin = s.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return "";
  return s.substr(begin, s.find_last_not_of(" \t\r") - begin + 1);
}

// A Win32 function with the Unicode suffix: "...W" after a lower-case letter
// or a digit (CreateSemaphoreW, not a name that merely ends in W).
bool IsUnicodeFunction(const std::string& f) {
  return f.size() > 2 && f.back() == 'W' &&
         (std::islower(static_cast<unsigned char>(f[f.size() - 2])) ||
          std::isdigit(static_cast<unsigned char>(f[f.size() - 2])));
}

}  // namespace

bool ImportGate::Read(const std::string& text, std::vector<std::string>* faults) {
  allowed_.clear();
  size_t before = faults->size();
  std::string dll;
  size_t lineNumber = 0;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string raw = text.substr(at, end - at);
    std::string line = Trim(raw.substr(0, raw.find(';')));
    at = end + 1;
    ++lineNumber;
    std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      dll = Upper(line.substr(1, line.size() - 2));
      if (!kWindows95Dlls.count(dll)) {
        faults->push_back(where + dll + " is not a DLL of Windows 95 we may use");
        dll.clear();
      }
      continue;
    }
    if (dll.empty()) {
      faults->push_back(where + line + " stands under no DLL");
    } else if (line.find_first_of(" \t") != std::string::npos) {
      faults->push_back(where + "\"" + line + "\" is not one function name");
    } else if (IsUnicodeFunction(line) && !kWorkingUnicodeFunctions.count(line)) {
      faults->push_back(where + line + " is only a failing stub on Windows 95");
    } else if (!allowed_[dll].insert(line).second) {
      faults->push_back(where + line + " is listed twice");
    }
  }
  return faults->size() == before;
}

std::vector<std::string> ImportGate::Refused(const Image& image, const std::string& name) const {
  std::vector<std::string> refused;
  for (const Import& import : image.imports) {
    auto dll = allowed_.find(Upper(import.dll));
    if (dll == allowed_.end()) {
      refused.push_back(name + " imports " + import.function + " from " + import.dll +
                        ", a DLL outside the gate");
    } else if (!dll->second.count(import.function)) {
      refused.push_back(name + " imports " + import.dll + " " + import.function +
                        ", which the gate does not list");
    }
  }
  return refused;
}

size_t ImportGate::Count() const {
  size_t n = 0;
  for (const auto& dll : allowed_) n += dll.second.size();
  return n;
}

}  // namespace pe
