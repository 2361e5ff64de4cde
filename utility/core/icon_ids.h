/* The utility's icons. Plain defines: kelvane.rc includes this too. */
#ifndef UTILITY_CORE_ICON_IDS_H
#define UTILITY_CORE_ICON_IDS_H

#define kIconProgram 1 /* the program, its main window, About and the success notices */
#define kIconRefusal 2 /* the notices that refuse an operation */
#define kIconError 3   /* the error form */

#endif
