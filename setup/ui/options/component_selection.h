// The component selection of the install sequence: builds the tree of the
// product's options and asks the user to choose in "Select Components To
// Install". A product without options is not asked.
#pragma once

#include <windows.h>

class AbortQuestion;
class ComponentChoices;
class ContextHelp;
class DiskSpace;
class FailureReport;
struct ProductTables;

// True to go on: the choices are stored (option states, the selections of
// files, items, INI and registry entries, the required space). False when
// the user abandoned the installation (Cancel or Close, then the abort
// question confirmed; a dialog that cannot be shown leads there too), when
// the product could not describe its options (silently), or when memory
// ran out (reported). After an abort question answered No the dialog comes
// back as it was. The dialog is modal under owner; help may be null; the
// drive list's free space is asked of disk.
bool RunComponentSelection(const ProductTables& tables, ComponentChoices& choices,
                           FailureReport& reports, DiskSpace& disk, AbortQuestion& abort,
                           HWND owner, ContextHelp* help);
