// A modal dialog of the setup engine with its own help context: registered
// with the help object from initialisation until the window goes, so that
// F1 and the dialog's help button show help for that context.
#pragma once

#include "ui/dialogs/dialog_object.h"

class ContextHelp;

class HelpDialog : public DialogObject {
 public:
  explicit HelpDialog(ContextHelp* help) : help_(help) {}

  // DialogBox answers 0 for an owner that is not a window without making
  // the dialog: only a dialog that was initialised can have been answered.
  bool Initialised() const { return initialised_; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Fills the dialog; the caller registers with RegisterHelp and centres.
  virtual void OnInit() = 0;
  // True when the command was handled.
  virtual bool OnCommand(int id) = 0;

  // Registers with the help object, if there is one, in context.
  void RegisterHelp(int context);
  // Shows help for the current context, if there is a help object.
  void ShowHelp();

 private:
  ContextHelp* help_;
  bool initialised_ = false;
  bool registered_ = false;
};
