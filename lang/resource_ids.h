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
// 250: the numbers below it belong to other dialogs and pages.
#define VEXA_LANG_DIALOG_ROOT 250
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
// Shortcut settings page: the "Status" box turns the list, the key box, its
// label and the check button on and off together; button 1 restores the
// defaults, as on every settings page.
#define VEXA_LANG_DLG_SHORTCUT_PAGE 224
#define VEXA_IDC_SHORTCUT_LIST 1205
#define VEXA_IDC_SHORTCUT_STATUS 1357
#define VEXA_IDC_SHORTCUT_HOTKEY 1400
#define VEXA_IDC_SHORTCUT_HOTKEY_LABEL 1401
#define VEXA_IDC_SHORTCUT_CHECK 1426
#define VEXA_IDC_SHORTCUT_DEFAULTS 1

// The support settings page. The labels and group boxes of the support
// window's part (1460, 1478-1488) and of easy support (1489, 1490) are
// greyed with their check box.
#define VEXA_LANG_DLG_SUPPORT_SETTINGS 236
#define VEXA_IDC_SUPPORT_ON 1355
#define VEXA_IDC_SUPPORT_EASY_ON 1356
#define VEXA_IDC_SUPPORT_INSERT_AFTER 1412
#define VEXA_IDC_SUPPORT_AFTER_STAY 1226
#define VEXA_IDC_SUPPORT_AFTER_HIDE 1458
#define VEXA_IDC_SUPPORT_AFTER_INSERT 1459
#define VEXA_IDC_SUPPORT_SHOW_NEVER 1472
#define VEXA_IDC_SUPPORT_SHOW_LAST 1474
#define VEXA_IDC_SUPPORT_SHOW_ALWAYS 1476
#define VEXA_IDC_SUPPORT_LIST_RECENT 1461
#define VEXA_IDC_SUPPORT_LIST_USED 1462
#define VEXA_IDC_SUPPORT_WORDS_RECENT 1463
#define VEXA_IDC_SUPPORT_WORDS_USED 1464
#define VEXA_IDC_SUPPORT_KEY_220 1414
#define VEXA_IDC_SUPPORT_KEY_226 1415
#define VEXA_IDC_SUPPORT_INSERT_KEY 1373
#define VEXA_IDC_SUPPORT_COMPLEMENT_KEY 1372
#define VEXA_IDC_SUPPORT_COMPLEMENT_INSERT_KEY 1374
#define VEXA_IDC_SUPPORT_CANDIDATE_KEY 1376
#define VEXA_IDC_SUPPORT_PREVIOUS_KEY 1378
#define VEXA_IDC_SUPPORT_RSEARCH_KEY 1382
#define VEXA_IDC_SUPPORT_HISTORY_KEY 1384
#define VEXA_IDC_SUPPORT_EASY_KEY 1375
#define VEXA_IDC_SUPPORT_ITEM_KEY 1380
#define VEXA_IDC_SUPPORT_CLEAR_HISTORY 1465
#define VEXA_IDC_SUPPORT_HELP 1429
#define VEXA_IDC_SUPPORT_EASY_HELP 1430
#define VEXA_IDC_SUPPORT_KEYS_LABEL 1460
#define VEXA_IDC_SUPPORT_LABEL_FIRST 1478
#define VEXA_IDC_SUPPORT_LABEL_LAST 1488
#define VEXA_IDC_SUPPORT_EASY_LABEL 1489
#define VEXA_IDC_SUPPORT_ITEM_LABEL 1490
// The key capture dialog: a key button gives its key with the modifiers held.
#define VEXA_LANG_DLG_CHANGE_KEY 222
#define VEXA_IDC_CHANGE_KEY_ENTER 1377
#define VEXA_IDC_CHANGE_KEY_TAB 1379
#define VEXA_IDC_CHANGE_KEY_SPACE 1381
#define VEXA_IDC_CHANGE_KEY_MODIFIERS 1386
// The dictionary editor and its item dialog (add and edit share the template).
#define VEXA_LANG_DLG_DIC_EDIT 238
#define VEXA_LANG_DIC_EDIT_BITMAP 239
#define VEXA_LANG_DIC_EDIT_IMAGE_COUNT 6
#define VEXA_LANG_DLG_DIC_ITEM 240
#define VEXA_IDC_DIC_EDIT_TABS 1215
#define VEXA_IDC_DIC_EDIT_LIST 1205
#define VEXA_IDC_DIC_EDIT_ADD 1208
#define VEXA_IDC_DIC_EDIT_CLOSE 41138
#define VEXA_IDC_DIC_EDIT_DELETE 41139
#define VEXA_IDC_DIC_EDIT_EDIT 41140
#define VEXA_IDC_DIC_EDIT_HELP 41141
#define VEXA_IDC_DIC_EDIT_SORT 41142
#define VEXA_IDC_DIC_EDIT_IMPORT 41143
#define VEXA_IDC_DIC_EDIT_CLEAR_HISTORY 41144
#define VEXA_IDC_DIC_ITEM_LABEL1 1467
#define VEXA_IDC_DIC_ITEM_LABEL2 1468
#define VEXA_IDC_DIC_ITEM_LABEL3 1469
#define VEXA_IDC_DIC_ITEM_FIELD1 1470
#define VEXA_IDC_DIC_ITEM_FIELD2 1471
#define VEXA_IDC_DIC_ITEM_FIELD3 1473

// The dictionary import: one list of the file's entries with check boxes.
#define VEXA_LANG_DLG_DIC_IMPORT 241
#define VEXA_IDC_DIC_IMPORT_LIST 1205
#define VEXA_IDC_DIC_IMPORT_CHECK_ALL 1390
#define VEXA_IDC_DIC_IMPORT_UNCHECK_ALL 1392

// Settings sheet pages: Basic, palette (Char) and multi-user. Button 1 on
// every page puts the page's defaults back.
#define VEXA_IDC_PAGE_DEFAULTS 1
#define VEXA_LANG_PAGE_BASIC 201
#define VEXA_IDC_BASIC_PLACEMENT 1212
#define VEXA_IDC_BASIC_LINES 1201
#define VEXA_IDC_BASIC_LINES_LABEL 1351
#define VEXA_IDC_BASIC_COMPLETE_VISIBLE 1352
#define VEXA_IDC_BASIC_SUB_ABSOLUTE 1358
#define VEXA_IDC_BASIC_SUB_RELATIVE 1359
#define VEXA_IDC_BASIC_SUB_DEFAULT 1272
#define VEXA_IDC_BASIC_MOVE_MAIN 1353
#define VEXA_IDC_BASIC_MOVE_SUB 1354
#define VEXA_IDC_BASIC_LIMIT 1360
#define VEXA_IDC_BASIC_AUTO_EXECUTE 1383
#define VEXA_IDC_BASIC_SUB_COMPLETE_VISIBLE 1416
#define VEXA_IDC_BASIC_HIDE_SUB 1466
#define VEXA_IDC_BASIC_TOOL_TIPS 1492
#define VEXA_IDC_BASIC_LANGUAGE 1494
// The palette page: one three-state box per category, in mask-bit order
// (1361-1369, then 1404-1409, then 1370 and 1371).
#define VEXA_LANG_PAGE_CHAR 227
#define VEXA_IDC_CHAR_SGREEK 1361
#define VEXA_IDC_CHAR_BGREEK 1362
#define VEXA_IDC_CHAR_MATH 1363
#define VEXA_IDC_CHAR_RELATION 1364
#define VEXA_IDC_CHAR_OPERATOR 1365
#define VEXA_IDC_CHAR_ARROW 1366
#define VEXA_IDC_CHAR_PACCENT 1367
#define VEXA_IDC_CHAR_BACCENT 1368
#define VEXA_IDC_CHAR_BRACKET 1369
#define VEXA_IDC_CHAR_AMS_SYMBOL 1404
#define VEXA_IDC_CHAR_AMS_RELATION 1405
#define VEXA_IDC_CHAR_AMS_NRELATION 1406
#define VEXA_IDC_CHAR_AMS_OPERATOR 1407
#define VEXA_IDC_CHAR_AMS_ARROW 1408
#define VEXA_IDC_CHAR_AMS_PACCENT 1409
#define VEXA_IDC_CHAR_SCHAR 1370
#define VEXA_IDC_CHAR_ECHAR 1371
#define VEXA_IDC_CHAR_AUTO_CLOSE 1385
#define VEXA_IDC_CHAR_AUTO_CLOSE_SEP 1387
#define VEXA_LANG_PAGE_MULTIUSER 225
#define VEXA_IDC_MULTIUSER_SINGLE 1402
#define VEXA_IDC_MULTIUSER_MULTI 1403
