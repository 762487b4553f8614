// Resource and control ids of Quillmark, by name. Included by qmark.rc and by the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Button id the dialog framework routes to CmHelp (IDHELP in the platform headers).
#define IDC_HELP_BUTTON 9

// Icon, splash picture and menus.
#define IDI_PROGRAM 1
#define IDB_SPLASH 1
#define IDR_MAIN_MENU 1
#define IDR_NOTE_LIST_MENU 2
#define IDR_WEB_LINKS_MENU 3
#define IDR_TRAY_MENU 4
#define IDR_NOTE_TEXT_MENU 5

// Dialog templates given by number; the others are named ("AboutDlg", "LTextEditDlg",
// "LicenceTermsDlg", "LProgressDialog").
#define IDD_MAIN 1
#define IDD_PRINT_BOOK 2
#define IDD_CHANGE_HOT_KEY 3
#define IDD_FIND 4
#define IDD_BOOK_PROPERTIES 5
#define IDD_DIARY_PROPERTIES 6

// Main window (template 1).
#define IDC_BOOK_LIST 101
#define IDC_NOTE_LIST 102
#define IDC_NOTE_TEXT 103
#define IDC_NOTE_NAME 104
#define IDC_NOTE_NEW 105
#define IDC_NOTE_DELETE 106
#define IDC_STATUS_LINK 107

// Print Book (template 2).
#define IDC_PRINT_PAGE_BREAKS 101
#define IDC_PRINT_NO_PAGE_BREAKS 102

// Find (template 4).
#define IDC_FIND_TEXT 101
#define IDC_FIND_MATCH_CASE 102
#define IDC_FIND_SCOPE_NOTE 103
#define IDC_FIND_SCOPE_BOOK 104

// Book Properties (template 5).
#define IDC_BOOK_FOLDER 101
#define IDC_BOOK_BROWSE 102
#define IDC_BOOK_READ_ONLY 103
#define IDC_BOOK_TEMPLATE 105

// Diary Properties (template 6).
#define IDC_DIARY_WEEK 101
#define IDC_DIARY_DAY 102
#define IDC_DIARY_COUNT 103
#define IDC_DIARY_HOUR_FROM 104
#define IDC_DIARY_HOUR_TO 105
#define IDC_DIARY_COUNT_LABEL 106

// "LTextEditDlg".
#define IDC_TEXT_EDIT 100

// "LicenceTermsDlg".
#define IDC_LICENCE_AGREE 101
#define IDC_LICENCE_DISAGREE 102

// "LProgressDialog".
#define IDC_PROGRESS_LINE0 100
#define IDC_PROGRESS_LINE1 101
#define IDC_PROGRESS_BAR 102

// Menu commands (menus 1 to 5, the tray and the keyboard shortcuts).
#define IDM_NOTE_NEW 1001
#define IDM_NOTE_DELETE 1002
#define IDM_BOOK_NEW_LOCAL 1003
#define IDM_BOOK_NEW_SHARED 1004
#define IDM_BOOK_REMOVE 1005
#define IDM_BOOK_EXPLORE 1006
#define IDM_HOT_KEY_TOGGLE 1007
#define IDM_HOT_KEY_CHANGE 1008
#define IDM_CLOSE 1009
#define IDM_EXIT 1010
#define IDM_OPEN 1011
#define IDM_UNDO 1012
#define IDM_CUT 1013
#define IDM_COPY 1014
#define IDM_PASTE 1015
#define IDM_CLEAR 1016
#define IDM_SELECT_ALL 1017
#define IDM_FIND 1018
#define IDM_FIND_NEXT 1019
#define IDM_HELP_CONTENTS 2001
#define IDM_WEB_HOME 2002
#define IDM_WEB_SUPPORT 2003
#define IDM_WEB_PRODUCT1 2004
#define IDM_WEB_PRODUCT2 2005
#define IDM_WEB_PRODUCT3 2006
#define IDM_WEB_PRODUCT4 2007
#define IDM_WEB_PRODUCT5 2008
#define IDM_WEB_PRODUCT6 2009
#define IDM_WEB_PRODUCT7 2010
#define IDM_WEB_PRODUCT8 2011
#define IDM_WEB_MORE_SOFTWARE 2012
#define IDM_WEB_MAKER_HOME 2013
#define IDM_HELP_ABOUT 2014
#define IDM_NOTE_PRINT 2015
#define IDM_BOOK_PRINT 2016
#define IDM_BOOK_PROPERTIES 2017
#define IDM_BOOK_NEW_DIARY 2018
