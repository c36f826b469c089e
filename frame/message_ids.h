// Identifiers of the texts the plug-in takes from its language library.
// Code names texts through these constants only, so the build can check
// that every shipped language library has a text for each of them.
#pragma once
#include <cstdint>

namespace msgid {
// Captions of message boxes.
constexpr uint32_t CaptionWarning = 0x1000001;
constexpr uint32_t CaptionQuestion = 0x1000002;   // questions and information
// Shared by every window that subclasses a control.
constexpr uint32_t SubclassFailed = 0x1000003;
constexpr uint32_t WindowPropertyFailed = 0x1000004;

// Plug-in frame.
constexpr uint32_t AskYesNo = 0x1010001;              // the host's yes/no query
constexpr uint32_t UpgradeNotConverted = 0x1010002;
constexpr uint32_t UpgradeConverted = 0x1010003;
constexpr uint32_t SettingsNotCreated = 0x1010004;
constexpr uint32_t MainWindowNotCreated = 0x1010005;
constexpr uint32_t OutOfMemory = 0x1010006;
constexpr uint32_t MutexesNotCreated = 0x1010007;
constexpr uint32_t MultiUserFolderUnusable = 0x1010008;

// Window hooks and the parts installed with them.
constexpr uint32_t HookGetMessageFailed = 0x1030001;
constexpr uint32_t HookCallWindowFailed = 0x1030002;
constexpr uint32_t HookMoveFailed = 0x1030003;
constexpr uint32_t SupportWindowFailed = 0x1030004;
constexpr uint32_t EasySupportFailed = 0x1030005;
constexpr uint32_t ShortcutTableFailed = 0x1030006;
constexpr uint32_t HookKeyboardFailed = 0x1030007;

// Toolbar and window texts.
constexpr uint32_t CommentTooLong = 0x104000A;        // %d: the character limit

// Main window: failures while it opens.
constexpr uint32_t ToolbarNotCreated = 0x1040001;
constexpr uint32_t DictionariesNotCreated = 0x1040002;
// Main window: items added to its system menu.
constexpr uint32_t MenuHelp = 0x1040003;
constexpr uint32_t MenuSettings = 0x1040004;
constexpr uint32_t MenuCustomizeToolbar = 0x1040005;
constexpr uint32_t MenuDictionaryEditor = 0x1040006;
constexpr uint32_t MenuDeleteSettings = 0x1040007;
constexpr uint32_t MenuAbout = 0x1040008;
constexpr uint32_t MenuCloseDocked = 0x1040009;       // replaces Close while docked
// User strings and the outline window.
constexpr uint32_t UserStringUnreadable = 0x104000B;
constexpr uint32_t MenuEditUserStrings = 0x104000C;
constexpr uint32_t OutlineNotCreated = 0x104000D;
// The user menu's last item, which opens its editor.
constexpr uint32_t MenuEditUserMenu = 0x1090001;
// The user menu editor: a separator in the tree; the list's first two
// entries; the reset question.
constexpr uint32_t MenuEditSeparatorNode = 0x1090002;
constexpr uint32_t MenuEditNewTitle = 0x10B0001;
constexpr uint32_t MenuEditNewSeparator = 0x10B0002;
constexpr uint32_t MenuEditAskReset = 0x10B0003;
// The user string editor.
constexpr uint32_t UserStringNewTitle = 0x10E0001;
constexpr uint32_t UserStringTreeFailed = 0x10E0002;
constexpr uint32_t UserStringsUnreadable = 0x10E0003;
constexpr uint32_t UserStringOneUnreadable = 0x10E0004;
constexpr uint32_t UserStringsNotSaved = 0x10E0005;
constexpr uint32_t UserStringsFull = 0x10E0006;   // %d: the most strings there can be
// Questions of the system menu's commands.
constexpr uint32_t AskDeleteSettings = 0x104000E;
constexpr uint32_t AskRestartForDictionaries = 0x104000F;
// Label and citation lists: sorting failures and the column title of each
// order 0-7 (SortTitleFirst + order).
constexpr uint32_t SortFailed = 0x1040010;
constexpr uint32_t SortOrderUnknown = 0x1040011;
constexpr uint32_t SortTitleFirst = 0x1040012;
constexpr uint32_t SortTitleLast = 0x1040019;
// Added to a command's status-line text (each starts with a space).
constexpr uint32_t StatusSubWindow = 0x104001A;
constexpr uint32_t StatusTypesetSwapOff = 0x104001B;
constexpr uint32_t StatusTypesetSwapOn = 0x104001C;
constexpr uint32_t StatusRootLocked = 0x104001D;
constexpr uint32_t StatusSwapOn = 0x104001E;
constexpr uint32_t StatusRootPathBefore = 0x104001F; // then the path and ")"
constexpr uint32_t StatusOpenRoot = 0x1040020;
constexpr uint32_t StatusPatternBefore = 0x1040021;  // then the pattern and ")"
// Added to a command's tool tip (each starts a new line).
constexpr uint32_t TipSubWindow = 0x1040022;
constexpr uint32_t TipTypesetSwapOff = 0x1040023;
constexpr uint32_t TipTypesetSwapOn = 0x1040024;
constexpr uint32_t TipRootLocked = 0x1040025;
constexpr uint32_t TipSwapOn = 0x1040026;
constexpr uint32_t TipRootPathAfter = 0x1040027;     // follows the locked root's path
constexpr uint32_t TipOpenRoot = 0x1040028;
constexpr uint32_t TipPatternBefore = 0x1040029;     // the pattern follows on a new line
constexpr uint32_t AskResetToolbar = 0x104002A;
// Items of the root-file, paper-size and highlighting drop-down menus.
constexpr uint32_t MenuDelete = 0x104002B;
constexpr uint32_t MenuDropDownHelp = 0x104002C;
constexpr uint32_t MenuClearList = 0x104002D;
constexpr uint32_t AskClearList = 0x104002E;
constexpr uint32_t MenuEdit = 0x104002F;
constexpr uint32_t MenuLockFileName = 0x1040030;
constexpr uint32_t MenuLockRelative = 0x1040031;
constexpr uint32_t MenuLockAbsolute = 0x1040032;
constexpr uint32_t MenuChooseRoot = 0x1040033;
constexpr uint32_t RootNotTexFile = 0x1040034;
constexpr uint32_t AskRemoveRoot = 0x1040035;         // the path follows directly
constexpr uint32_t MenuNew = 0x1040036;
constexpr uint32_t MenuAdd = 0x1040037;
constexpr uint32_t MenuNone = 0x1040038;
constexpr uint32_t MenuFromSource = 0x1040039;
constexpr uint32_t DeleteNameLabel = 0x104003A;       // the item's name follows
constexpr uint32_t DeleteValueLabel = 0x104003B;      // its value or pattern follows
constexpr uint32_t AskDeleteItem = 0x104003C;

// Command texts (group 0x105). Each command's text is fixed by its number,
// so that a language library stays valid when buttons move on the toolbar.
// 1209 comes first; the toolbar commands 41001-41137 follow in ascending
// order without the numbers no command uses; then the user menu, the menu
// commands 41145-41413 and the two user editors. 0: the command has none.
constexpr uint32_t FirstCommandText = 0x1050001;
constexpr uint32_t LastCommandText = 0x1050180;

constexpr bool unusedToolbarNumber(uint32_t command) {
    return command == 41048 || command == 41050 || (command >= 41056 && command <= 41074) ||
           (command >= 41076 && command <= 41078) || command == 41080 || command == 41135;
}

constexpr uint32_t commandText(uint32_t command) {
    if (command == 1209) return 0x1050001;
    if (command >= 41001 && command <= 41137) {
        if (unusedToolbarNumber(command)) return 0;
        uint32_t skipped = 0;
        for (uint32_t c = 41001; c < command; ++c) skipped += unusedToolbarNumber(c) ? 1 : 0;
        return 0x1050002 + (command - 41001) - skipped;
    }
    if (command == 41414) return 0x1050071;
    if (command >= 41145 && command <= 41413) return 0x1050072 + (command - 41145);
    if (command == 46001 || command == 46002) return 0x105017F + (command - 46001);
    return 0;
}
static_assert(commandText(41001) == 0x1050002 && commandText(41137) == 0x1050070);
static_assert(commandText(46002) == LastCommandText);
} // namespace msgid

namespace cfgid {
// The language library describing itself.
constexpr uint32_t Description = 1;
constexpr uint32_t Version = 2;
constexpr uint32_t LanguageName = 3;

// Data files in the language folder.
constexpr uint32_t CommandDictionary = 0x10001;
constexpr uint32_t EnvironmentDictionary = 0x10002;
constexpr uint32_t EasySupportDictionary = 0x10003;
constexpr uint32_t PaperSizeDictionary = 0x10004;
constexpr uint32_t HelpFile = 0x10005;

// Help topics of the main window: its system menu, toolbar customization.
constexpr uint32_t HelpMainWindow = 0x30001;
constexpr uint32_t HelpToolbarCustomize = 0x30002;

// Defaults of list settings.
constexpr uint32_t DefaultUserMenu = 0x20001;
} // namespace cfgid

// Restart notice of the settings that take effect at the next start.
namespace msgid {
constexpr uint32_t RestartNotice = 0x11F0003;
} // namespace msgid

// Settings sheet: shared by every page.
namespace msgid {
constexpr uint32_t SettingsCaption = 0x11F0001;
constexpr uint32_t SettingsSheetFailed = 0x11F0002;
constexpr uint32_t SettingsAskDefaults = 0x11F0004;
constexpr uint32_t SettingsDefaultsTip = 0x11F0005;
} // namespace msgid

// Typesetting run: why a run could not start.
namespace msgid {
constexpr uint32_t MakeNoTeXFile = 0x1060002;
constexpr uint32_t MakeNoPluginFolder = 0x1060003;
constexpr uint32_t MakeNoCommandFile = 0x1060004;
constexpr uint32_t MakeNotStarted = 0x1060005;
} // namespace msgid

// Outline window: tree nodes, menu, depth box, tool tips and failures.
namespace msgid {
constexpr uint32_t ImageStripMissing = 0x1000005;     // a window's image strip is missing or incomplete
constexpr uint32_t OutlineDocumentNode = 0x1080001;   // also the heading-labels group
constexpr uint32_t OutlineLabelsNode = 0x1080002;
constexpr uint32_t OutlineBibliographyNode = 0x1080003;
constexpr uint32_t OutlineEquationLabels = 0x1080004;
constexpr uint32_t OutlineFigureLabels = 0x1080005;
constexpr uint32_t OutlineTableLabels = 0x1080006;
constexpr uint32_t OutlineItemLabels = 0x1080007;
constexpr uint32_t OutlineOtherLabels = 0x1080008;
constexpr uint32_t OutlineFilesNode = 0x1080009;
constexpr uint32_t OutlineNodeNotInserted = 0x108000A;
constexpr uint32_t OutlineFileTooDeep = 0x108000B;
constexpr uint32_t OutlineCurrentUnnamed = 0x108000C;
constexpr uint32_t OutlineOtherUnnamed = 0x108000D;
constexpr uint32_t OutlineMenuOneGroup = 0x108000E;
constexpr uint32_t OutlineMenuByClass = 0x108000F;
constexpr uint32_t OutlineMenuUnderHeading = 0x1080010;
constexpr uint32_t OutlineMenuPrefixes = 0x1080011;
constexpr uint32_t OutlineMenuHelp = 0x1080012;
constexpr uint32_t OutlineToolbarFailed = 0x1080013;
constexpr uint32_t OutlineDepthFirst = 0x1080014;     // seven depth texts, to 0x108001A
constexpr uint32_t OutlineDepthLast = 0x108001A;
constexpr uint32_t OutlineScanFailed = 0x108001B;
constexpr uint32_t OutlineTipExpand = 0x108001C;      // tips of 41076 .. 41080
constexpr uint32_t OutlineTipExpandAll = 0x108001D;
constexpr uint32_t OutlineTipCollapse = 0x108001E;
constexpr uint32_t OutlineTipJump = 0x108001F;
constexpr uint32_t OutlineTipRefresh = 0x1080020;
constexpr uint32_t OutlineTipMenu = 0x1080021;        // 41135
constexpr uint32_t OutlineAskRefresh = 0x1080022;
constexpr uint32_t OutlinePlaceholder = 0x1080023;
constexpr uint32_t OutlineIncompleteCaption = 0x1080024;   // the window's caption while parts are missing
constexpr uint32_t OutlineIncompleteNotice = 0x1080025;    // the comment box then, with no entry selected
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpOutline = 0x3000A;
} // namespace cfgid

// Bibliography entry view and the label prefix dialog.
namespace msgid {
constexpr uint32_t BibItemNameColumn = 0x1180001;
constexpr uint32_t BibItemValueColumn = 0x1180002;
constexpr uint32_t BibItemTypeRow = 0x1180003;      // name of the row that shows the entry type
constexpr uint32_t LabelConfigAskDefaults = 0x11C0001;
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpLabelConfig = 0x30009;
} // namespace cfgid

// Easy-support popup: why it could not open.
namespace msgid {
constexpr uint32_t EasySupportScanFailed = 0x11D0001;
constexpr uint32_t EasySupportDetailFailed = 0x11D0002;
} // namespace msgid

// The reference / citation dialog and the bibliography skeleton dialog.
// The reference dialog's texts have a group of their own: the root file
// dialogs hold 0x119xxxx.
namespace msgid {
constexpr uint32_t RefDialogTitle = 0x11B0001;
constexpr uint32_t CiteDialogTitle = 0x11B0002;
constexpr uint32_t RefTextTooLong = 0x11B0003;
constexpr uint32_t RefScanFailed = 0x11B0004;
constexpr uint32_t RefDetailFailed = 0x11B0005;
constexpr uint32_t BibitemTooMany = 0x10A0001;
constexpr uint32_t BibitemAskSave = 0x10A0002;
} // namespace msgid

// Root file dialogs and auxiliary file deletion.
namespace msgid {
constexpr uint32_t FilterTexFiles = 0x1020005;       // pairs of label|pattern|, '|' for each NUL
constexpr uint32_t RootDialogTitle = 0x1190001;
constexpr uint32_t RootLockDialogTitle = 0x1190002;
constexpr uint32_t RootNameEmpty = 0x1190003;
constexpr uint32_t RootNameNotTex = 0x1190004;
constexpr uint32_t RootBrowseTitle = 0x1190005;
constexpr uint32_t DeleteColumnTitle = 0x10C0001;
constexpr uint32_t DeleteProgressTitle = 0x10C0002;
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpRootFile = 0x30004;
} // namespace cfgid

// Paper size: the landscape word, the question before a user paper is
// replaced, and the help topic of the paper menu and dialog.
namespace msgid {
constexpr uint32_t PaperLandscape = 0x1160001;      // appended to a paper's name
constexpr uint32_t PaperAskReplace = 0x1160002;
constexpr uint32_t PaperOldEntry = 0x1160003;
constexpr uint32_t PaperNewEntry = 0x1160004;
constexpr uint32_t PaperAskReplaceEnd = 0x1160005;
constexpr uint32_t PaperNameLabel = 0x1160006;      // the display text follows
constexpr uint32_t PaperValueLabel = 0x1160007;     // the value follows
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpPaperSize = 0x30006;
} // namespace cfgid

// Table and array dialogs: the environment list's eight entries, the
// refused sizes and the question before the choices become defaults.
namespace msgid {
constexpr uint32_t GridEnvironmentFirst = 0x1150001;   // "array" .. "smallmatrix", to 0x1150008
constexpr uint32_t GridEnvironmentLast = 0x1150008;
constexpr uint32_t GridTooManyRows = 0x1150009;
constexpr uint32_t GridTooManyColumns = 0x115000A;
constexpr uint32_t GridAskSaveDefaults = 0x115000B;
} // namespace msgid

// Character palette: the categories' titles (tabs and list columns) and the
// entries' notes (tool tips), by note class, for delimiters and the others.
namespace msgid {
constexpr uint32_t PaletteTitleSGreek = 0x1070001;
constexpr uint32_t PaletteTitleBGreek = 0x1070002;
constexpr uint32_t PaletteTitleMath = 0x1070003;
constexpr uint32_t PaletteTitleRelation = 0x1070004;
constexpr uint32_t PaletteTitleOperator = 0x1070005;
constexpr uint32_t PaletteTitleArrow = 0x1070006;
constexpr uint32_t PaletteTitlePAccent = 0x1070007;
constexpr uint32_t PaletteTitleBAccent = 0x1070008;
constexpr uint32_t PaletteTitleBracket = 0x1070009;
constexpr uint32_t PaletteTitleSChar = 0x107000A;
constexpr uint32_t PaletteTitleEChar = 0x107000B;
constexpr uint32_t PaletteTitleAMSOperator = 0x107000C;
constexpr uint32_t PaletteTitleAMSRelation = 0x107000D;
constexpr uint32_t PaletteTitleAMSNRelation = 0x107000E;
constexpr uint32_t PaletteTitleAMSArrow = 0x107000F;
constexpr uint32_t PaletteTitleAMSSymbol = 0x1070010;
constexpr uint32_t PaletteTitleAMSPAccent = 0x1070011;
constexpr uint32_t PaletteNoteSizeClass1 = 0x1070012;
constexpr uint32_t PaletteNoteSizeClass2 = 0x1070013;
constexpr uint32_t PaletteNoteSizeClass3 = 0x1070014;
constexpr uint32_t PaletteNoteSizeClass4 = 0x1070015;
constexpr uint32_t PaletteNoteSize = 0x1070016;
constexpr uint32_t PaletteNoteClass1 = 0x1070017;
constexpr uint32_t PaletteNoteClass2 = 0x1070018;
constexpr uint32_t PaletteNoteClass3 = 0x1070019;
constexpr uint32_t PaletteNoteClass4 = 0x107001A;
// The palette windows' failures and the tabs' tool tip.
constexpr uint32_t PaletteNotCreated = 0x107001B;
constexpr uint32_t PaletteControlsMissing = 0x107001C;
constexpr uint32_t PaletteTabTip = 0x107001D;
constexpr uint32_t PaletteFillFailed = 0x107001E;
constexpr uint32_t PaletteTitleUnread = 0x107001F;

// Support window: failures while it is made.
constexpr uint32_t SupportListNotFilled = 0x1170001;
constexpr uint32_t SupportHistoryNotCreated = 0x1170002;
} // namespace msgid

// Figure and input dialogs: browse titles, the questions before the current
// choices become the defaults, the graphics filter and the figure help.
namespace msgid {
constexpr uint32_t FilterGraphicsFiles = 0x1020006;  // pairs of label|pattern|, as FilterTexFiles
constexpr uint32_t InputBrowseTitle = 0x1120001;
constexpr uint32_t InputAskSaveDefaults = 0x1120002;
constexpr uint32_t FigureBrowseTitle = 0x1130001;
constexpr uint32_t FigureAskSaveDefaults = 0x1130002;
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpFigure = 0x30012;
constexpr uint32_t HelpUserMenu = 0x30013;
constexpr uint32_t HelpUserStrings = 0x3000B;
} // namespace cfgid

// Structure highlighting: the item dialog's title, columns and question
// before an item of the same name is replaced, the presets' names, and the
// help topic of the menu and the dialog.
namespace msgid {
constexpr uint32_t HighlightEditTitle = 0x1110001;
constexpr uint32_t HighlightNoItem = 0x1110002;
constexpr uint32_t HighlightColumnName = 0x1110003;
constexpr uint32_t HighlightColumnPattern = 0x1110004;
constexpr uint32_t HighlightFirstPreset = 0x1110005;   // 0x1110005-0x1110010: presets 1-12
constexpr uint32_t HighlightLastPreset = 0x1110010;
constexpr uint32_t HighlightAskReplace = 0x1110011;
constexpr uint32_t HighlightOldItem = 0x1110012;
constexpr uint32_t HighlightNewItem = 0x1110013;
constexpr uint32_t HighlightAskReplaceEnd = 0x1110014;
constexpr uint32_t HighlightNameLabel = 0x1110015;     // the name follows
constexpr uint32_t HighlightPatternLabel = 0x1110016;  // the pattern follows
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpHighlight = 0x30005;
} // namespace cfgid

// The page layout dialog.
namespace msgid {
constexpr uint32_t LayoutLabelFont = 0x1100001;        // face name of the diagram's labels
constexpr uint32_t LayoutDescriptions = 0x1100002;     // first of the 19 parameter descriptions
constexpr uint32_t LayoutPresetInvalid = 0x1100015;
constexpr uint32_t LayoutPresetsFull = 0x1100016;
constexpr uint32_t LayoutAskSavePresets = 0x1100017;
constexpr uint32_t LayoutAskLast = 0x1100018;
constexpr uint32_t LayoutAskDeletePreset = 0x1100019;
constexpr uint32_t LayoutAskReset = 0x110001A;
} // namespace msgid
namespace cfgid {
constexpr uint32_t LayoutPresets = 0x20014;           // first of up to 96 default presets
constexpr uint32_t HelpLayout = 0x30011;
} // namespace cfgid

// The small insertion dialogs and the About box.
namespace msgid {
constexpr uint32_t DateNotFormatted = 0x1140001;
constexpr uint32_t DateListFull = 0x1140002;
constexpr uint32_t DateAskSaveList = 0x1140003;
constexpr uint32_t DateAskAdd = 0x1140004;      // followed by the format
constexpr uint32_t DateAskDelete = 0x1140005;   // followed by the format
constexpr uint32_t DateAlreadyListed = 0x1140006;
constexpr uint32_t DateAskRestore = 0x1140007;
constexpr uint32_t MinipageAskSaveDefaults = 0x11E0001;
constexpr uint32_t AboutLinkFont = 0x1260002;
} // namespace msgid
namespace cfgid {
constexpr uint32_t Locale = 4;             // character-type locale name for dates
constexpr uint32_t DateHistory = 0x20002;  // the format a fresh installation offers
constexpr uint32_t FirstDateFormat = 0x20003;
constexpr uint32_t HelpDate = 0x30007;
} // namespace cfgid

// Document class dialog and the preset naming dialog.
namespace msgid {
constexpr uint32_t ClassNameEmpty = 0x10F0001;
// The explanations after the skeleton's lines (title, author, date, the
// title command with and without a title, the page styles on and off).
constexpr uint32_t ClassNoteTitle = 0x10F0002;
constexpr uint32_t ClassNoteAuthor = 0x10F0003;
constexpr uint32_t ClassNoteDate = 0x10F0004;
constexpr uint32_t ClassNoteMaketitle = 0x10F0005;
constexpr uint32_t ClassNoteMaketitleOff = 0x10F0006;
constexpr uint32_t ClassNotePagestyle = 0x10F0007;
constexpr uint32_t ClassNotePagestyleOff = 0x10F0008;
constexpr uint32_t ClassNoteThispagestyle = 0x10F0009;
constexpr uint32_t ClassNoteThispagestyleOff = 0x10F000A;
constexpr uint32_t ClassPresetNotAdded = 0x10F000B;
constexpr uint32_t ClassPresetWithoutData = 0x10F000C;
constexpr uint32_t ClassTooManyPresets = 0x10F000D;
constexpr uint32_t ClassPresetsNotFilled = 0x10F000E;
constexpr uint32_t ClassAskSavePresets = 0x10F000F;
constexpr uint32_t ClassAskLoadLast = 0x10F0010;
constexpr uint32_t ClassAskDeletePreset = 0x10F0011;
constexpr uint32_t ClassAskResetPresets = 0x10F0012;
// The preset naming dialog: adding or renaming without a name.
constexpr uint32_t PresetNameEmpty = 0x11A0001;
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpDocumentClass = 0x30003;
// The default presets of the document class dialog.
constexpr uint32_t ClassPreset1 = 0x2000E;
constexpr uint32_t ClassPreset2 = 0x2000F;
constexpr uint32_t ClassPreset3 = 0x20010;
constexpr uint32_t ClassPreset4 = 0x20011;
constexpr uint32_t ClassPreset5 = 0x20012;
constexpr uint32_t ClassPreset6 = 0x20013;
} // namespace cfgid

// Shortcut settings page.
namespace msgid {
constexpr uint32_t ShortcutTitle = 0x1250001;
constexpr uint32_t ShortcutUserString = 0x1250002;      // %d: the user string's number 1-50
constexpr uint32_t ShortcutColumnCommand = 0x1250003;
constexpr uint32_t ShortcutColumnKey = 0x1250004;
constexpr uint32_t ShortcutDuplicateIntro = 0x1250005;  // before the two names
constexpr uint32_t ShortcutDuplicateOutro = 0x1250006;  // after them: go on checking?
constexpr uint32_t ShortcutNoDuplicates = 0x1250007;
constexpr uint32_t ShortcutStatusTip = 0x1250008;
constexpr uint32_t ShortcutListTip = 0x1250009;
constexpr uint32_t ShortcutHotkeyTip = 0x125000A;
constexpr uint32_t ShortcutCheckTip = 0x125000B;
} // namespace msgid
// Support settings page.
namespace msgid {
constexpr uint32_t SupportPageTitle = 0x1220001;
// "This key is already used for ...", one per key, in the keys' bit order.
constexpr uint32_t SupportKeyUsedByInsert = 0x1220002;
constexpr uint32_t SupportKeyUsedByComplement = 0x1220003;
constexpr uint32_t SupportKeyUsedByComplementInsert = 0x1220004;
constexpr uint32_t SupportKeyUsedByInsertCandidate = 0x1220005;
constexpr uint32_t SupportKeyUsedByPreviousCandidate = 0x1220006;
constexpr uint32_t SupportKeyUsedByRSearch = 0x1220007;
constexpr uint32_t SupportKeyUsedByHistory = 0x1220008;
constexpr uint32_t SupportKeyUsedByEasySupport = 0x1220009;
constexpr uint32_t SupportKeyUsedByItemBibitem = 0x122000A;
constexpr uint32_t SupportAskClearHistory = 0x122000B;
constexpr uint32_t SupportTipBackslashKeys = 0x122000C;
constexpr uint32_t SupportTipComplementKey = 0x122000D;
constexpr uint32_t SupportTipPreviousCandidateKey = 0x122000E;
constexpr uint32_t SupportTipInsertKey = 0x122000F;
constexpr uint32_t SupportTipComplementInsertKey = 0x1220010;
constexpr uint32_t SupportTipInsertCandidateKey = 0x1220011;
constexpr uint32_t SupportTipEasySupportKey = 0x1220012;
constexpr uint32_t SupportTipItemBibitemKey = 0x1220013;
constexpr uint32_t SupportTipRSearchKey = 0x1220014;
constexpr uint32_t SupportTipHistoryKey = 0x1220015;
constexpr uint32_t SupportTipSupport = 0x1220016;
constexpr uint32_t SupportTipInsertAfterComplete = 0x1220017;
constexpr uint32_t SupportTipShowHistory = 0x1220018;
constexpr uint32_t SupportTipAfterHistory = 0x1220019;
constexpr uint32_t SupportTipHistoryList = 0x122001A;
constexpr uint32_t SupportTipHistoryWords = 0x122001B;
constexpr uint32_t SupportTipEasySupport = 0x122001C;
constexpr uint32_t SupportTipClearHistory = 0x122001D;
} // namespace msgid
namespace cfgid {
// Help topics of the support settings page: the support window, easy support.
constexpr uint32_t HelpSupportWindow = 0x3000F;
constexpr uint32_t HelpEasySupport = 0x30010;
} // namespace cfgid

namespace msgid {
// The dictionary editor, its item dialogs and the import dialogs' titles.
constexpr uint32_t DicEditReadOnlyTitle = 0x10D0001;
constexpr uint32_t DicEditTabCommands = 0x10D0002;
constexpr uint32_t DicEditColumnName = 0x10D0003;
constexpr uint32_t DicEditColumnArguments = 0x10D0004;
constexpr uint32_t DicEditColumnDescription = 0x10D0005;   // commands and environments
constexpr uint32_t DicImportTitleCommands = 0x10D0006;
constexpr uint32_t DicEditColumnEasyText = 0x10D0007;
constexpr uint32_t DicEditTabEnvironments = 0x10D0008;
constexpr uint32_t DicEditColumnEnvironment = 0x10D0009;
constexpr uint32_t DicEditColumnEnvironmentArguments = 0x10D000A;
constexpr uint32_t DicImportTitleEnvironments = 0x10D000B;
constexpr uint32_t DicEditTabEasySupport = 0x10D000C;
constexpr uint32_t DicEditColumnEasyKey = 0x10D000D;
constexpr uint32_t DicImportTitleEasySupport = 0x10D000E;
constexpr uint32_t DicEditTabPaperSizes = 0x10D000F;
constexpr uint32_t DicEditColumnPaperKey = 0x10D0010;
constexpr uint32_t DicImportTitlePaperSizes = 0x10D0011;
constexpr uint32_t DicEditColumnPaperValue = 0x10D0012;
constexpr uint32_t DicEditTipClose = 0x10D0013;
constexpr uint32_t DicEditTipAdd = 0x10D0014;
constexpr uint32_t DicEditTipEdit = 0x10D0015;
constexpr uint32_t DicEditTipDelete = 0x10D0016;
constexpr uint32_t DicEditTipSort = 0x10D0017;
constexpr uint32_t DicEditTipImport = 0x10D0018;
constexpr uint32_t DicEditTipClearHistory = 0x10D0019;
constexpr uint32_t DicEditTipHelp = 0x10D001A;
constexpr uint32_t DicEditDeleteColumnPrefix = 0x10D001B;
constexpr uint32_t DicEditDuplicate = 0x10D001C;
constexpr uint32_t DicEditAskClearHistory = 0x10D001D;
constexpr uint32_t DicEditAskDelete = 0x10D001E;
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpDictionaryEditor = 0x30008;
} // namespace cfgid
// Dictionary import: the open-file dialog's filter per dictionary kind and
// the refusals of a file that cannot be imported.
namespace msgid {
constexpr uint32_t FilterCommandSources = 0x1020001;       // pairs of label|pattern|, as FilterTexFiles
constexpr uint32_t FilterEnvironmentSources = 0x1020002;
constexpr uint32_t FilterEasySupportSources = 0x1020003;
constexpr uint32_t FilterPaperSizeSources = 0x1020004;
constexpr uint32_t DicImportUnreadable = 0x10D0030;
constexpr uint32_t DicImportTooLarge = 0x10D0031;
constexpr uint32_t DicImportPathTooLong = 0x10D0032;
} // namespace msgid

// Settings sheet: the Basic page (title, the seven placements, the tips).
namespace msgid {
constexpr uint32_t BasicPageTitle = 0x1200001;
constexpr uint32_t BasicPlacementFirst = 0x1200002;   // 0x1200002-0x1200008: placements 0-6
constexpr uint32_t BasicPlacementLast = 0x1200008;
constexpr uint32_t BasicTipPlacement = 0x1200009;
constexpr uint32_t BasicTipLines = 0x120000A;
constexpr uint32_t BasicTipCompleteVisible = 0x120000B;
constexpr uint32_t BasicTipSubDefault = 0x120000C;
constexpr uint32_t BasicTipSubAbsolute = 0x120000D;
constexpr uint32_t BasicTipSubRelative = 0x120000E;
constexpr uint32_t BasicTipSubCompleteVisible = 0x120000F;
constexpr uint32_t BasicTipHideSub = 0x1200010;
constexpr uint32_t BasicTipMoveMain = 0x1200011;
constexpr uint32_t BasicTipMoveSub = 0x1200012;
constexpr uint32_t BasicTipLimit = 0x1200013;
constexpr uint32_t BasicTipAutoExecute = 0x1200015;
constexpr uint32_t BasicTipToolTips = 0x1200016;
constexpr uint32_t BasicTipLanguage = 0x1200017;
// The palette page.
constexpr uint32_t CharPageTitle = 0x1230001;
constexpr uint32_t CharTipCategory = 0x1230002;
constexpr uint32_t CharTipAutoClose = 0x1230003;
constexpr uint32_t CharTipAutoCloseSep = 0x1230004;
// The multi-user page.
constexpr uint32_t MultiUserPageTitle = 0x1240001;
constexpr uint32_t MultiUserTipSingle = 0x1240002;
constexpr uint32_t MultiUserTipMulti = 0x1240003;
} // namespace msgid
// Typesetting settings page.
namespace msgid {
constexpr uint32_t MakePageTitle = 0x1210001;
constexpr uint32_t MakePageFirstTool = 0x1210002;       // ten tool names, 0x1210002-0x121000B
constexpr uint32_t MakePageNoCommandFile = 0x121000C;
constexpr uint32_t MakePageInvalidTemplate = 0x121000D;
constexpr uint32_t MakePageStepNotRead = 0x121000E;
constexpr uint32_t MakePageStepNotWritten = 0x121000F;
constexpr uint32_t MakePageChooseProgram = 0x1210010;
constexpr uint32_t MakePageTooManyEntries = 0x1210011;
constexpr uint32_t MakePageStarInside = 0x1210012;
constexpr uint32_t MakePageStarWithoutDot = 0x1210013;
constexpr uint32_t MakePageTipTool = 0x1210014;
constexpr uint32_t MakePageTipProgram = 0x1210015;
constexpr uint32_t MakePageTipArguments = 0x1210016;
constexpr uint32_t MakePageTipPsPdf = 0x1210017;
constexpr uint32_t MakePageTipShortMake = 0x1210018;
constexpr uint32_t MakePageTipDelete = 0x1210019;
constexpr uint32_t MakePageTipAutoClose = 0x121001A;
constexpr uint32_t MakePageTipCall = 0x121001B;
constexpr uint32_t MakePageTipTeXEdit = 0x121001C;
constexpr uint32_t MakePageTipPreviewer = 0x121001D;
constexpr uint32_t MakePageTipStart = 0x121001E;
constexpr uint32_t MakePageTipDepth = 0x121001F;
constexpr uint32_t MakePageTipReport = 0x1210020;
constexpr uint32_t MakePageTipUndo = 0x1210021;
// The command file holds text the system's code page cannot store: it is
// left as it was rather than rewritten with those characters lost.
constexpr uint32_t MakePageFileWouldLoseText = 0x1210022;
constexpr uint32_t FilterPrograms = 0x1020007;          // pairs of label|pattern|, as FilterTexFiles
} // namespace msgid
namespace cfgid {
constexpr uint32_t HelpCommandLines = 0x3000C;
constexpr uint32_t HelpAuxDeletion = 0x3000D;
constexpr uint32_t HelpInverseSearch = 0x3000E;
} // namespace cfgid
// Typesetting settings page: loading a shipped command set.
namespace msgid {
constexpr uint32_t MakePageTipLoadSet = 0x1210040;
constexpr uint32_t MakePageNoCommandSets = 0x1210041;
constexpr uint32_t MakePageCommandSetNotRead = 0x1210042;
} // namespace msgid
