// The windows besides the main window: the seven notice forms, the error
// form and the About window. Each is loaded once at startup, shown
// modally, and only hidden by its buttons.
#pragma once

#include <memory>

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
  ErrorForm() : Form(SecondaryFormLayout(FormId::Error)) {}

 protected:
  void OnClick(int id) override;
};

class AboutForm : public Form {
 public:
  AboutForm() : Form(SecondaryFormLayout(FormId::About)) {}

 protected:
  void OnClick(int id) override;
};

std::unique_ptr<Form> MakeSecondaryForm(FormId id);

}  // namespace kelvane
