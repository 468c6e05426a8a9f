// Resource identifiers of Dirvane: icons, bitmaps, strings and commands.
#pragma once

// Icons and pictures (1..99)
#define IDI_DIRVANE 1
#define IDB_TOOLBAR32 10   // tool-bar images, 32 x 32 each, in action order
#define IDB_MENU16 11      // menu images, 16 x 16 each, in action order
#define IDB_BANNER 12      // About box banner, 360 x 50
#define IDR_BANNER_JPG 13  // the same banner as JPEG data (RCDATA)

// Commands (WM_COMMAND ids) of the main window: actions and menu items.
#define IDM_ADDFOLDER 1001
#define IDM_EDIT 1002
#define IDM_DELETE 1003
#define IDM_ITEMUP 1004
#define IDM_ITEMDOWN 1005
#define IDM_SORT 1006
#define IDM_EXIT 1007
#define IDM_REFRESH 1008
#define IDM_OPTIONS 1020
#define IDM_IMPORT 1021
#define IDM_EXPORT 1022
#define IDM_HELP 1023
#define IDM_HOMEPAGE 1024
#define IDM_ABOUT 1025

// Strings: application and main window (100..)
#define IDS_APP_TITLE 100
#define IDS_MAIN_CAPTION 101
#define IDS_COL_NAME 102
#define IDS_COL_PATH 103
#define IDS_FONT_FACE 104

// Actions: caption and hint (200..)
#define IDS_ADDFOLDER_CAPTION 200
#define IDS_ADDFOLDER_HINT 201
#define IDS_EDIT_CAPTION 202
#define IDS_EDIT_HINT 203
#define IDS_DELETE_CAPTION 204
#define IDS_DELETE_HINT 205
#define IDS_ITEMUP_CAPTION 206
#define IDS_ITEMDOWN_CAPTION 207
#define IDS_SORT_CAPTION 208
#define IDS_SORT_HINT_ASC 209
#define IDS_SORT_HINT_DESC 210
#define IDS_EXIT_CAPTION 211
#define IDS_EXIT_HINT 212
#define IDS_REFRESH_CAPTION 213
#define IDS_REFRESH_HINT 214

// Tool buttons: caption and hint (300..)
#define IDS_TB_ADD 300
#define IDS_TB_ADD_HINT 301
#define IDS_TB_EDIT 302
#define IDS_TB_EDIT_HINT 303
#define IDS_TB_DELETE 304
#define IDS_TB_DELETE_HINT 305
#define IDS_TB_UP 306
#define IDS_TB_UP_HINT 307
#define IDS_TB_DOWN 308
#define IDS_TB_DOWN_HINT 309
#define IDS_TB_REFRESH 310
#define IDS_TB_EXIT 311

// Menus (400..)
#define IDS_MENU_FILE 400
#define IDS_MENU_VIEW 401
#define IDS_MENU_HELP 402
#define IDS_MI_ADDFOLDER 403
#define IDS_MI_EDIT 404
#define IDS_MI_DELETE 405
#define IDS_MI_OPTIONS 406
#define IDS_MI_IMPORT 407
#define IDS_MI_EXPORT 408
#define IDS_MI_EXIT 409
#define IDS_MI_SORT 410
#define IDS_MI_ITEMUP 411
#define IDS_MI_ITEMDOWN 412
#define IDS_MI_REFRESH 413
#define IDS_MI_HELP 414
#define IDS_MI_HOMEPAGE 415
#define IDS_MI_ABOUT 416

// Messages (500..)
#define IDS_ASK_DELETE 500
#define IDS_EMPTY_FIELD 501
#define IDS_PATH_MISSING 502
#define IDS_FILE_EXISTS 503

// Item dialog (600..)
#define IDS_PROP_CAPTION_ADD 600
#define IDS_PROP_CAPTION_EDIT 601
#define IDS_PROP_NAME 602
#define IDS_PROP_PATH 603
#define IDS_PROP_BROWSE 604
#define IDS_PROP_SEPARATOR 605
#define IDS_OK 606
#define IDS_CANCEL 607
#define IDS_BROWSE_TITLE 608

// Options dialog (700..)
#define IDS_OPT_CAPTION 700
#define IDS_OPT_ENABLEIMAGE 701
#define IDS_OPT_EXPLOREFOLDER 702
#define IDS_OPT_ASKDELETE 703

// List exchange (800..)
#define IDS_DVK_FILTER 800
#define IDS_EXPORT_TITLE 801
#define IDS_IMPORT_TITLE 802

// About box and help (900..)
#define IDS_ABOUT_CAPTION 900
#define IDS_ABOUT_NAME 901
#define IDS_ABOUT_VERSION 902
#define IDS_ABOUT_NOTICE 903
#define IDS_ABOUT_MAIL_LABEL 904
#define IDS_ABOUT_MAIL 905
#define IDS_ABOUT_WEB 906
#define IDS_ABOUT_OK 907
#define IDS_HELP_FILE 908
