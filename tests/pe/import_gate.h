// The import gate: the functions a shipped binary may import, read from the
// checked-in list (windows95_imports.txt), and the check of an image against
// it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "pe_image.h"

namespace pe {

class ImportGate {
 public:
  // Reads the list; false (and the reasons) when a line is not a function
  // under a DLL that Windows 95 has, names a function twice, or names a
  // Unicode function that Windows 95 implements only as a failing stub.
  bool Read(const std::string& text, std::vector<std::string>* faults);

  // One line for each import of the image that the list does not allow.
  std::vector<std::string> Refused(const Image& image, const std::string& name) const;

  size_t Count() const;

 private:
  std::map<std::string, std::set<std::string>> allowed_;  // DLL in capitals -> functions
};

}  // namespace pe
