#include "ui/prompts/process_help.h"

namespace {

ContextHelp* g_processHelp = nullptr;

}  // namespace

void SetProcessHelp(ContextHelp* help) { g_processHelp = help; }

ContextHelp* ProcessHelp() { return g_processHelp; }
