/* Identifiers of the setup engine's dialog templates, their controls and
   its bitmaps. Plain defines: the resource script includes this too. */
#ifndef SETUP_RESOURCES_DIALOG_IDS_H
#define SETUP_RESOURCES_DIALOG_IDS_H

/* The message box templates ("DLGMSGBOX0" ... "DLGMSGBOX4", "DLGMSGDLG"):
   an icon, the text, and up to four buttons (the last one may be Help). The
   waiting message ("DLGMSGDLG") shows its text in kDlgIcon. */
#define kDlgIcon 101
#define kDlgText 102
#define kDlgButton1 103
#define kDlgButton2 104
#define kDlgButton3 105
#define kDlgButton4 106

/* The folder prompt. */
#define kDlgFolderPrompt 100
#define kFolderPromptLines 101
#define kFolderPromptAnswer 102
#define kFolderPromptHelp 103

/* The activity meter's "RAM" and "CPU" gauges. */
#define kDlgActivityMeter 800
#define kMeterRam 101
#define kMeterCpu 102

/* "Select Components To Install": the option tree window (made in place
   of its placeholder), the description, the space figures and gauge, the
   drive list and its free space. */
#define kDlgComponents 1000
#define kComponentTree 101
#define kComponentPlaceholder 102
#define kComponentDescription 103
#define kComponentRequired 104
#define kComponentGauge 105
#define kComponentTotal 106
#define kComponentDrives 107
#define kComponentFree 108
#define kComponentHelp 109

/* "File Attribute Incompatible": the source file's path, type, subtype,
   language, character set and version from kAttributeSourceFirst on, the
   target's from kAttributeTargetFirst on (its path an edit field). */
#define kDlgFileAttribute 1600
#define kAttributeSourceFirst 101
#define kAttributeTargetFirst 107
#define kAttributeHelp 113

/* The copy phase's progress dialog: three lines, the bar and an icon. */
#define kDlgProgress 1700
#define kProgressLine1 101
#define kProgressLine2 102
#define kProgressLine3 103
#define kProgressBar 104
#define kProgressIcon 105

/* The background buttons' bitmaps: button i (0-2) shows kButtonBitmap1 + 2i,
   and the next one while it is pressed. */
#define kButtonBitmap1 2001
#define kButtonBitmap2 2002
#define kButtonBitmap3 2003
#define kButtonBitmap4 2004
#define kButtonBitmap5 2005
#define kButtonBitmap6 2006

#endif
