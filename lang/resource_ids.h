// Resources that every language library carries, by the numbers the plug-in
// loads them with. Shared by the libraries' resource scripts and the code
// that reads them, so neither side can drift from the other.
#pragma once

// The toolbar strip: one 16x16 image per toolbar button, in the order of the
// toolbar table, side by side in one 8-bit bitmap; after the buttons two
// images the user menu and its editor show for a submenu title and a separator.
#define VEXA_LANG_TOOLBAR_BITMAP 202
#define VEXA_LANG_TOOLBAR_IMAGE_SIZE 16
#define VEXA_LANG_TOOLBAR_IMAGE_TITLE 113
#define VEXA_LANG_TOOLBAR_IMAGE_SEPARATOR 114
#define VEXA_LANG_TOOLBAR_IMAGE_COUNT 115
// Pixels of this colour are transparent: the image list is built with it as
// the mask colour. COLORREF layout 0x00BBGGRR; magenta reads the same both ways.
#define VEXA_LANG_TOOLBAR_KEY 0x00FF00FF

// Bibliography entry view: 229 on its own, 230 beside the citation dialog.
#define VEXA_LANG_DLG_BIB_ITEM 229
#define VEXA_LANG_DLG_BIB_ITEM_CITATION 230
#define VEXA_IDC_BIB_ITEM_LIST 1205
// Label prefix dialog: one box per class (part .. item, in this order),
// and the button that puts the defaults back.
#define VEXA_LANG_DLG_LABEL_CONFIG 234
#define VEXA_IDC_LABEL_PART 1445
#define VEXA_IDC_LABEL_CHAPTER 1446
#define VEXA_IDC_LABEL_SECTION 1447
#define VEXA_IDC_LABEL_SUBSECTION 1448
#define VEXA_IDC_LABEL_SUBSUBSECTION 1449
#define VEXA_IDC_LABEL_PARAGRAPH 1450
#define VEXA_IDC_LABEL_SUBPARAGRAPH 1451
#define VEXA_IDC_LABEL_EQUATION 1452
#define VEXA_IDC_LABEL_FIGURE 1453
#define VEXA_IDC_LABEL_TABLE 1454
#define VEXA_IDC_LABEL_ITEM 1455
#define VEXA_IDC_LABEL_DEFAULTS 1221

// Root file dialogs (one template for setting a root line and for choosing
// a locked root) and the auxiliary file deletion report.
#define VEXA_LANG_DIALOG_ROOT 236
#define VEXA_IDC_ROOT_PATH 1201
#define VEXA_IDC_ROOT_ABSOLUTE 1358
#define VEXA_IDC_ROOT_RELATIVE 1359
#define VEXA_IDC_ROOT_NAME_ONLY 1428
#define VEXA_IDC_ROOT_BROWSE 1389
#define VEXA_IDC_ROOT_CURRENT 1391
#define VEXA_IDC_ROOT_HELP 9
#define VEXA_LANG_DIALOG_FILE_DELETE 235
#define VEXA_IDC_DELETE_LIST 1205

// The popup menus of the command buttons: one sub-menu per button, by the
// position the command table gives (10 is the palette's delimiter sizes).
#define VEXA_LANG_POPUP_MENU 204

// The user paper dialog of the paper menu.
#define VEXA_LANG_DIALOG_PAPER 232
#define VEXA_IDC_PAPER_TEXT 1302
#define VEXA_IDC_PAPER_VALUE 1204
#define VEXA_IDC_PAPER_WIDTH 1441
#define VEXA_IDC_PAPER_HEIGHT 1442
#define VEXA_IDC_PAPER_COMPOSE 1443
#define VEXA_IDC_PAPER_HELP 1493

// The table (216) and array (215) dialogs. Both share the size boxes, the
// column format and the button that stores the choices as defaults.
#define VEXA_LANG_DLG_ARRAY 215
#define VEXA_LANG_DLG_TABLE 216
#define VEXA_IDC_GRID_ROWS 1232
#define VEXA_IDC_GRID_COLUMNS 1233
#define VEXA_IDC_GRID_ALIGN_LEFT 1227
#define VEXA_IDC_GRID_ALIGN_CENTER 1228
#define VEXA_IDC_GRID_ALIGN_RIGHT 1229
#define VEXA_IDC_GRID_HLINES 1230
#define VEXA_IDC_GRID_VLINES 1231
#define VEXA_IDC_GRID_DEFAULTS 1221
// Array only: the environment list and the frame of the column format,
// which applies to "array" alone.
#define VEXA_IDC_ARRAY_ENVIRONMENT 1212
#define VEXA_IDC_ARRAY_COLUMN_FRAME 1202
// Table only: the float and what goes into it. The caption's label and the
// alignment frame are dimmed with the rest of the float's controls.
#define VEXA_IDC_TABLE_FLOAT 1237
#define VEXA_IDC_TABLE_PLAIN 1238
#define VEXA_IDC_TABLE_STARRED 1239
#define VEXA_IDC_TABLE_PLACEMENT_LABEL 1243
#define VEXA_IDC_TABLE_PLACEMENT 1244
#define VEXA_IDC_TABLE_CAPTION_LABEL 1245
#define VEXA_IDC_TABLE_CAPTION 1201
#define VEXA_IDC_TABLE_LABEL 1240
#define VEXA_IDC_TABLE_LABEL_TEXT 1241
#define VEXA_IDC_TABLE_ALIGN_FRAME 1246
#define VEXA_IDC_TABLE_ALIGN_NONE 1226
#define VEXA_IDC_TABLE_FLUSHLEFT 1234
#define VEXA_IDC_TABLE_CENTER 1235
#define VEXA_IDC_TABLE_FLUSHRIGHT 1236

// The outline window: its dialog, its controls and its image strip of 55
// 16x16 images (tree images 0-48, toolbar images 49-54), 8-bit, with the
// same transparent key colour as the toolbar strip.
#define VEXA_LANG_DLG_OUTLINE 207
#define VEXA_IDC_OUTLINE_COMMENT 1201
#define VEXA_IDC_OUTLINE_TREE 1206
#define VEXA_IDC_OUTLINE_DEPTH 1212
#define VEXA_LANG_OUTLINE_BITMAP 208
#define VEXA_LANG_OUTLINE_IMAGE_SIZE 16
#define VEXA_LANG_OUTLINE_IMAGE_COUNT 55
#define VEXA_LANG_OUTLINE_KEY 0x00FF00FF

// The easy-support popup: a borderless list of labels or citation keys at
// the caret. The list is virtual (owner data): the popup answers for its
// rows, so that thousands of labels show at once.
#define VEXA_LANG_DLG_EASY_SUPPORT 226
#define VEXA_IDC_EASY_SUPPORT_LIST 1205
// The character palette: 210 holds the tabs and the cell list (which the
// window moves into the tab control), 211 a detached category's list.
#define VEXA_LANG_DLG_PALETTE 210
#define VEXA_LANG_DLG_PALETTE_SEPARATE 211
#define VEXA_IDC_PALETTE_TABS 1215
#define VEXA_IDC_PALETTE_LIST 1205
// The support window: the input box, its description and environment lines
// and the candidate list; beside it the history window with its 13 rows.
#define VEXA_LANG_DLG_SUPPORT 203
#define VEXA_IDC_SUPPORT_INPUT 1201
#define VEXA_IDC_SUPPORT_DESCRIPTION 1202
#define VEXA_IDC_SUPPORT_ENVIRONMENT 1410
#define VEXA_IDC_SUPPORT_LIST 1205
#define VEXA_LANG_DLG_SUPPORT_HISTORY 237
#define VEXA_IDC_SUPPORT_HISTORY_LIST 1205

// The figure dialog (218) and the included-file dialog (217). The file name
// style radios, the browse and the save-as-default buttons have the same
// numbers in both.
#define VEXA_LANG_DIALOG_FIGURE 218
#define VEXA_LANG_DIALOG_INPUT 217
#define VEXA_IDC_FILE_FULL_PATH 1358
#define VEXA_IDC_FILE_RELATIVE 1359
#define VEXA_IDC_FILE_NAME_ONLY 1428
#define VEXA_IDC_FILE_BROWSE 1389
#define VEXA_IDC_SAVE_DEFAULTS 1221
#define VEXA_IDC_FIGURE_ENVIRONMENT 1247
#define VEXA_IDC_FIGURE_PLAIN 1248
#define VEXA_IDC_FIGURE_STARRED 1249
#define VEXA_IDC_FIGURE_PLACEMENT_LABEL 1243
#define VEXA_IDC_FIGURE_PLACEMENT 1244
#define VEXA_IDC_FIGURE_ALIGN_NONE 1226
#define VEXA_IDC_FIGURE_ALIGN_LEFT 1227
#define VEXA_IDC_FIGURE_ALIGN_CENTER 1228
#define VEXA_IDC_FIGURE_ALIGN_RIGHT 1229
#define VEXA_IDC_FIGURE_CAPTION 1201
#define VEXA_IDC_FIGURE_LABEL 1240
#define VEXA_IDC_FIGURE_LABEL_TEXT 1241
#define VEXA_IDC_FIGURE_INPUT 1245
#define VEXA_IDC_FIGURE_GRAPHICS 1259
#define VEXA_IDC_FIGURE_SIZE 1250
#define VEXA_IDC_FIGURE_WIDTH_LABEL 1251
#define VEXA_IDC_FIGURE_WIDTH 1252
#define VEXA_IDC_FIGURE_HEIGHT_LABEL 1253
#define VEXA_IDC_FIGURE_HEIGHT 1254
#define VEXA_IDC_FIGURE_SIZE_POSITIONAL 1255
#define VEXA_IDC_FIGURE_SIZE_KEYED 1256
#define VEXA_IDC_FIGURE_KEEP_ASPECT 1257
#define VEXA_IDC_FIGURE_TEXTWIDTH 1225
#define VEXA_IDC_FIGURE_FILE 1258
#define VEXA_IDC_FIGURE_CONVERT 1477
#define VEXA_IDC_FIGURE_HELP 1493
#define VEXA_IDC_INPUT_FILE 1201
#define VEXA_IDC_INPUT_INPUT 1245
#define VEXA_IDC_INPUT_INCLUDE 1246
// The reference / citation dialog: the insert box above the list, the
// context line below it (where the citation dialog's entry view goes),
// the command radios, the label filter boxes and their group frames
// (hidden in citation mode with what they frame).
#define VEXA_LANG_DLG_REF_CITE 209
#define VEXA_IDC_REF_TEXT 1201
#define VEXA_IDC_REF_CONTEXT 1203
#define VEXA_IDC_REF_LIST 1205
#define VEXA_IDC_REF_REF 1213
#define VEXA_IDC_REF_PAGEREF 1214
#define VEXA_IDC_REF_EQREF 1216
#define VEXA_IDC_REF_HEADINGS 1491
#define VEXA_IDC_REF_EQUATIONS 1419
#define VEXA_IDC_REF_FIGURES 1247
#define VEXA_IDC_REF_TABLES 1237
#define VEXA_IDC_REF_ITEMS 1423
#define VEXA_IDC_REF_OTHERS 1425
#define VEXA_IDC_REF_PREFIXES 1456
#define VEXA_IDC_REF_TEXT_LABEL 1501
#define VEXA_IDC_REF_KIND_GROUP 1502
#define VEXA_IDC_REF_FILTER_GROUP 1503
// The bibliography skeleton dialog.
#define VEXA_LANG_DLG_BIBITEM 213
#define VEXA_IDC_BIBITEM_ENVIRONMENT 1219
#define VEXA_IDC_BIBITEM_WIDEST_LABEL 1220
#define VEXA_IDC_BIBITEM_SAVE 1221
#define VEXA_IDC_BIBITEM_WIDEST 1222
#define VEXA_IDC_BIBITEM_COUNT 1223
#define VEXA_IDC_BIBITEM_KEY_ONLY 1224
// The highlight item dialog: name, pattern, the list of presets and user
// items to combine, an environment's name, and the buttons that build a
// pattern.
#define VEXA_LANG_DLG_HIGHLIGHT 231
#define VEXA_IDC_HIGHLIGHT_NAME 1302
#define VEXA_IDC_HIGHLIGHT_PATTERN 1204
#define VEXA_IDC_HIGHLIGHT_ENVIRONMENT 1201
#define VEXA_IDC_HIGHLIGHT_LIST 1205
#define VEXA_IDC_HIGHLIGHT_COMBINE 41046
#define VEXA_IDC_HIGHLIGHT_ENVIRONMENT_BUILD 41048
#define VEXA_IDC_HIGHLIGHT_ESCAPE 41050
#define VEXA_IDC_HIGHLIGHT_HELP 9

// User menu editor: the menu as a tree, what can be added as a list.
#define VEXA_LANG_DLG_MENU_EDIT 242
#define VEXA_IDC_MENU_EDIT_LIST 1205
#define VEXA_IDC_MENU_EDIT_TREE 1206
#define VEXA_IDC_MENU_EDIT_RESET 1310
#define VEXA_IDC_MENU_EDIT_HELP 1493

// User string editor: the strings as a tree under one root, the selected
// string's text beside it.
#define VEXA_LANG_DLG_USER_STRING 205
#define VEXA_IDC_USER_STRING_TEXT 1201
#define VEXA_IDC_USER_STRING_TREE 1206
#define VEXA_IDC_USER_STRING_MARKER 1207
#define VEXA_IDC_USER_STRING_ADD 1208
#define VEXA_IDC_USER_STRING_DELETE 1209
#define VEXA_IDC_USER_STRING_UP 1210
#define VEXA_IDC_USER_STRING_DOWN 1211
#define VEXA_IDC_USER_STRING_RENAME 1475
#define VEXA_IDC_USER_STRING_HELP 9
// Its tree images, 16x16 in a strip keyed like the toolbar's: 0 the root,
// 1 a string, 2 the selected string. Any other count is refused.
#define VEXA_LANG_USER_STRING_IMAGES 206
#define VEXA_LANG_USER_STRING_IMAGE_ROOT 0
#define VEXA_LANG_USER_STRING_IMAGE_STRING 1
#define VEXA_LANG_USER_STRING_IMAGE_SELECTED 2
#define VEXA_LANG_USER_STRING_IMAGE_COUNT 3

// The page layout dialog: per parameter i (0..18) a check box
// VEXA_IDC_LAYOUT_CHECK + 2 i and a value box VEXA_IDC_LAYOUT_VALUE + 2 i.
#define VEXA_LANG_DIALOG_LAYOUT 221
#define VEXA_IDC_LAYOUT_CHECK 1313
#define VEXA_IDC_LAYOUT_VALUE 1314
#define VEXA_IDC_LAYOUT_PRESETS 1212
#define VEXA_IDC_LAYOUT_APPLY 1221
#define VEXA_IDC_LAYOUT_MANAGE 1393
#define VEXA_IDC_LAYOUT_LAST 1440
#define VEXA_IDC_LAYOUT_CHECK_ALL 1390
#define VEXA_IDC_LAYOUT_UNCHECK_ALL 1392
#define VEXA_IDC_LAYOUT_COMMENT 1312
#define VEXA_IDC_LAYOUT_RESET 1310
#define VEXA_IDC_LAYOUT_HELP 1493
// The small insertion dialogs: a minipage (214), an index entry (233) and a
// date (212). The minipage's alignment radios and save-as-default button
// share the figure dialog's numbers.
#define VEXA_LANG_DLG_MINIPAGE 214
#define VEXA_IDC_MINIPAGE_WIDTH 1201
#define VEXA_IDC_MINIPAGE_TEXTWIDTH 1225
#define VEXA_LANG_DLG_INDEX 233
#define VEXA_IDC_INDEX_WORD 1201
#define VEXA_IDC_INDEX_KEY 1444
#define VEXA_LANG_DLG_DATE 212
#define VEXA_IDC_DATE_CALENDAR 1217
#define VEXA_IDC_DATE_FORMAT 1212
#define VEXA_IDC_DATE_PREVIEW 1218
#define VEXA_IDC_DATE_ADD 1397
#define VEXA_IDC_DATE_DELETE 1398
#define VEXA_IDC_DATE_RESTORE 1310
#define VEXA_IDC_DATE_HELP 9
// The document class dialog and the preset naming dialog it shares with the
// page layout dialog.
#define VEXA_LANG_DLG_DOCUMENT_CLASS 219
#define VEXA_IDC_CLASS_OTHER 1201
#define VEXA_IDC_CLASS_PRESETS 1212
#define VEXA_IDC_CLASS_NAME 1260
#define VEXA_IDC_CLASS_10PT 1261
#define VEXA_IDC_CLASS_11PT 1262
#define VEXA_IDC_CLASS_12PT 1263
#define VEXA_IDC_CLASS_SIZE_NONE 1299
#define VEXA_IDC_CLASS_A4PAPER 1264
#define VEXA_IDC_CLASS_A4J 1265
#define VEXA_IDC_CLASS_A5PAPER 1266
#define VEXA_IDC_CLASS_A5J 1267
#define VEXA_IDC_CLASS_B4PAPER 1268
#define VEXA_IDC_CLASS_B4J 1269
#define VEXA_IDC_CLASS_B5PAPER 1270
#define VEXA_IDC_CLASS_B5J 1271
#define VEXA_IDC_CLASS_PAPER_NONE 1306
#define VEXA_IDC_CLASS_PORTRAIT 1272
#define VEXA_IDC_CLASS_LANDSCAPE 1273
#define VEXA_IDC_CLASS_COLUMNS_NONE 1274
#define VEXA_IDC_CLASS_ONECOLUMN 1275
#define VEXA_IDC_CLASS_TWOCOLUMN 1276
#define VEXA_IDC_CLASS_SIDES_NONE 1277
#define VEXA_IDC_CLASS_ONESIDE 1278
#define VEXA_IDC_CLASS_TWOSIDE 1279
#define VEXA_IDC_CLASS_TITLEPAGE_NONE 1280
#define VEXA_IDC_CLASS_NOTITLEPAGE 1281
#define VEXA_IDC_CLASS_TITLEPAGE 1282
#define VEXA_IDC_CLASS_FLEQN_OFF 1283
#define VEXA_IDC_CLASS_FLEQN 1284
#define VEXA_IDC_CLASS_LEQNO_OFF 1285
#define VEXA_IDC_CLASS_LEQNO 1286
#define VEXA_IDC_CLASS_DRAFT_NONE 1287
#define VEXA_IDC_CLASS_FINAL 1288
#define VEXA_IDC_CLASS_DRAFT 1289
#define VEXA_IDC_CLASS_TATE_OFF 1290
#define VEXA_IDC_CLASS_TATE 1291
#define VEXA_IDC_CLASS_OPENBIB_OFF 1292
#define VEXA_IDC_CLASS_OPENBIB 1293
#define VEXA_IDC_CLASS_OPEN_NONE 1295
#define VEXA_IDC_CLASS_OPENRIGHT 1297
#define VEXA_IDC_CLASS_OPENANY 1298
#define VEXA_IDC_CLASS_NO_PAGE_NUMBERS 1300
#define VEXA_IDC_CLASS_TITLE 1301
#define VEXA_IDC_CLASS_TITLE_TEXT 1302
#define VEXA_IDC_CLASS_AUTHOR_TEXT 1303
#define VEXA_IDC_CLASS_RESET 1310
#define VEXA_IDC_CLASS_COMMENTS 1312
#define VEXA_IDC_CLASS_MANAGE 1393
#define VEXA_IDC_CLASS_LAST 1440
#define VEXA_IDC_CLASS_HELP 9
#define VEXA_LANG_DLG_SET_COMMENT 220
#define VEXA_IDC_SET_COMMENT_NAME 1201
#define VEXA_IDC_SET_COMMENT_OVERWRITE 1307
#define VEXA_IDC_SET_COMMENT_ADD 1308
#define VEXA_IDC_SET_COMMENT_DELETE 1309
#define VEXA_IDC_SET_COMMENT_RENAME 1311
// Typesetting settings page.
#define VEXA_LANG_DLG_MAKE_SETTINGS 223
#define VEXA_IDC_MAKE_TOOL 1212
#define VEXA_IDC_MAKE_SET1 1421
#define VEXA_IDC_MAKE_SET2 1422
#define VEXA_IDC_MAKE_PROGRAM 1201
#define VEXA_IDC_MAKE_ARGUMENTS 1388
#define VEXA_IDC_MAKE_BROWSE 1389
#define VEXA_IDC_MAKE_CALL 1424
#define VEXA_IDC_MAKE_START 1427
#define VEXA_IDC_MAKE_PSPDF 1411
#define VEXA_IDC_MAKE_SHORT 1394
#define VEXA_IDC_MAKE_AUTOCLOSE 1385
#define VEXA_IDC_MAKE_DELETE_DEMAND 1226
#define VEXA_IDC_MAKE_DELETE_CLOSING 1396
#define VEXA_IDC_MAKE_DELETE_AFTER_RUN 1395
#define VEXA_IDC_MAKE_UNDO 1417
#define VEXA_IDC_MAKE_LIST 1205
#define VEXA_IDC_MAKE_ENTRY 1399
#define VEXA_IDC_MAKE_ADD 1397
#define VEXA_IDC_MAKE_REMOVE 1398
#define VEXA_IDC_MAKE_DEPTH 1457
#define VEXA_IDC_MAKE_DEPTH_SPIN 1458
#define VEXA_IDC_MAKE_REPORT 1420
#define VEXA_IDC_MAKE_TEXEDIT_NONE 1431
#define VEXA_IDC_MAKE_TEXEDIT_UNSET 1432
#define VEXA_IDC_MAKE_TEXEDIT_ALWAYS 1433
#define VEXA_IDC_MAKE_TEXEDIT_PARAM 1434
#define VEXA_IDC_MAKE_TEXEDIT_LABEL 1437
#define VEXA_IDC_MAKE_PREVIEWER_SRC 1438
#define VEXA_IDC_MAKE_HELP_COMMANDS 1435
#define VEXA_IDC_MAKE_HELP_DELETE 1436
#define VEXA_IDC_MAKE_HELP_TEXEDIT 1439
