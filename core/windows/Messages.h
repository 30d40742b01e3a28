#pragma once

#include <string>

// Process-wide texts, filled once at start-up by InitMessages and read directly by the code that shows
// them. UTF-8. The Chinese texts are the sources of the translations; where a translator is installed
// before InitMessages, the entries hold its texts.

// The shared message unit.
extern std::string ProductShortName;
extern std::string SiteAddress;
extern std::string HelpPageAddress;
extern std::string UpdateQueryV;
extern std::string MsgAbout;

// The picker's own messages, in the order they are filled.
extern std::string MsgCopyColor;
extern std::string MsgAddToFavourites;
extern std::string MsgValueCopied;
extern std::string MsgSampleCopied;
extern std::string MsgPasteValue;
extern std::string MsgPasteSample;
extern std::string MsgZoomHint1;
extern std::string MsgZoomHint2;
extern std::string MsgZoomHint3;
extern std::string MsgCursorPosition;
extern std::string MsgRandomColors;
extern std::string MsgRandomPickHint;
// A settings or list file that could not be read or saved: its path, then why.
extern std::string MsgCannotRead;
extern std::string MsgCannotSave;
// A colour list file that could not be opened: its path, then why; the list stays as it was.
extern std::string MsgCannotOpenList;
// Where the desktop does not let the program read its pixels.
extern std::string MsgScreenUnreadable;
// Where picking waits for the button: how to start the pick mode or the desktop's colour tool, and
// why it cannot start at all (a back end's own reason follows).
extern std::string MsgPickModeHowTo;
extern std::string MsgOneShotHowTo;
extern std::string MsgNoScreenAccess;
extern std::string MsgNoCaptureOffered;
// The pick mode is up, and the desktop has not yet said where the pointer is.
extern std::string MsgMoveToPick;
// A link or folder that the desktop has no program to open: what it was.
extern std::string MsgCannotOpenLink;
// The arrow keys cannot move the pointer on this desktop.
extern std::string MsgNoPointerAim;

// 1 traditional Chinese, 2 English, anything else simplified Chinese.
void SelectLanguage(int language);
void FillProgramMessages();
void InitMessages();
