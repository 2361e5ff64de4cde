// The process-wide context help object, for dialogs that the file
// operations open without a help object of their own. The installation
// object sets it when it makes the help object and clears it before
// destroying it.
#pragma once

class ContextHelp;

void SetProcessHelp(ContextHelp* help);
ContextHelp* ProcessHelp();  // null when there is none
