#include "ui/dialogs/dialog_object.h"

#include "base/setup_heap.h"
#include "base/shell_info.h"

#include <cstring>

namespace {

// A template ready for the platform: the resource itself, or a copy with
// the 3-D look bit set. Null when the resource is missing.
class TemplateImage {
 public:
  explicit TemplateImage(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!found) return;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(module, found);
    if (!data || size < sizeof(DWORD)) return;
    if (!CurrentShellInfo().newLook) {
      image_ = static_cast<const DLGTEMPLATE*>(data);
      offset_ = StyleOffset(data, size);
      return;
    }
    copy_ = SetupAllocate(size);
    if (!copy_) return;
    std::memcpy(copy_, data, size);
    // An extended template (version 1, signature 0xFFFF) keeps its style
    // after the help identifier and extended style.
    offset_ = StyleOffset(copy_, size);
    image_ = static_cast<const DLGTEMPLATE*>(copy_);
    DWORD style = Style() | DS_3DLOOK;
    std::memcpy(static_cast<char*>(copy_) + offset_, &style, sizeof style);
  }
  DWORD Style() const {
    DWORD style = 0;
    if (image_) std::memcpy(&style, reinterpret_cast<const char*>(image_) + offset_, sizeof style);
    return style;
  }
  ~TemplateImage() { SetupRelease(copy_); }
  TemplateImage(const TemplateImage&) = delete;
  TemplateImage& operator=(const TemplateImage&) = delete;
  const DLGTEMPLATE* get() const { return image_; }

 private:
  static std::size_t StyleOffset(const void* data, DWORD size) {
    const auto* words = static_cast<const WORD*>(data);
    return (size >= 16 && words[0] == 1 && words[1] == 0xFFFF) ? 12 : 0;
  }
  const DLGTEMPLATE* image_ = nullptr;
  void* copy_ = nullptr;
  std::size_t offset_ = 0;
};

}  // namespace

LRESULT DialogObject::HandleMessage(UINT, WPARAM, LPARAM) { return 0; }

void SetNewLookFlag(bool on) { CurrentShellInfo().newLook = on; }
bool NewLookFlag() { return CurrentShellInfo().newLook; }

DWORD RunnerTemplateStyle(const char* templateName) { return TemplateImage(templateName).Style(); }

INT_PTR RunModalDialog(DialogObject& object, HWND owner, const char* templateName) {
  TemplateImage image(templateName);
  if (!image.get()) return -1;
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), image.get(), owner, SetupDialogProc,
                                 reinterpret_cast<LPARAM>(&object));
}

bool CreateModelessDialog(DialogObject& object, HWND owner, const char* templateName) {
  TemplateImage image(templateName);
  if (!image.get()) return false;
  HWND hwnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), image.get(), owner,
                                         SetupDialogProc, reinterpret_cast<LPARAM>(&object));
  object.modeless_ = hwnd != nullptr;
  return hwnd != nullptr;
}
