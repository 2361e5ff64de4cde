// The windows besides the main window: the seven notice forms, the error
// form and the About window. Each is loaded once at startup, shown
// modally, and only hidden by its buttons.
#pragma once

#include <memory>

#include "commands/exit.h"
#include "runtime/form.h"

namespace kelvane {

class NoticeForm : public Form {
 public:
  explicit NoticeForm(FormId id) : Form(SecondaryFormLayout(id)) {}

 protected:
  void OnClick(int id) override;
};

class ErrorForm : public Form {
 public:
  // Its Exit button unloads the program's windows.
  explicit ErrorForm(ProgramWindows& windows)
      : Form(SecondaryFormLayout(FormId::Error)), windows_(windows) {}

 protected:
  void OnClick(int id) override;

 private:
  ProgramWindows& windows_;
};

class AboutForm : public Form {
 public:
  AboutForm() : Form(SecondaryFormLayout(FormId::About)) {}

 protected:
  void OnClick(int id) override;
};

std::unique_ptr<Form> MakeSecondaryForm(FormId id, ProgramWindows& windows);

}  // namespace kelvane
