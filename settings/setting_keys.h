// Every section and key name of "Vexa2.ini", spelled once. Defaults are not
// kept here: each setting is read with its default where it is used.
#pragma once

namespace ini_keys {

constexpr const char16_t* FileName = u"Vexa2.ini";
constexpr const char16_t* MutexName = u"Vexa2MutexIni";

namespace ini {
constexpr const char16_t* Section = u"ini";
constexpr const char16_t* Version = u"Version";
} // namespace ini

namespace multiuser {
constexpr const char16_t* Section = u"Multiuser";
constexpr const char16_t* Mode = u"Mode";
constexpr const char16_t* Temp = u"Temp";
} // namespace multiuser

namespace basic {
constexpr const char16_t* Section = u"BasicSettings";
constexpr const char16_t* Window = u"Window";
constexpr const char16_t* Lines = u"Lines";
constexpr const char16_t* HideSubWindow = u"HideSubWindow";
constexpr const char16_t* CompleteVisible = u"CompleteVisible";
constexpr const char16_t* SubWindow = u"SubWindow";
constexpr const char16_t* SubCompleteVisible = u"SubCompleteVisible";
constexpr const char16_t* AutoExecute = u"AutoExecute";
constexpr const char16_t* AutoMove = u"AutoMove";
constexpr const char16_t* Limit = u"Limit";
constexpr const char16_t* ShowToolTip = u"ShowToolTip";
} // namespace basic

// "Settings" holds the toolbar layout, the insertion dialogs' last values
// and the support window's history state.
namespace settings {
constexpr const char16_t* Section = u"Settings";
constexpr const char16_t* Toolbar = u"Toolbar";
constexpr const char16_t* Figure = u"Figure";
constexpr const char16_t* FigureType = u"FigureType";
constexpr const char16_t* Input = u"Input";
constexpr const char16_t* InputType = u"InputType";
constexpr const char16_t* Minipage = u"Minipage";
constexpr const char16_t* Array = u"Array";
constexpr const char16_t* Table = u"Table";
constexpr const char16_t* Bibitem = u"Bibitem";
constexpr const char16_t* SupportHistory = u"SupportHistory";
constexpr const char16_t* SupportHistoryList = u"SupportHistoryList";
constexpr const char16_t* SupportHistoryWords = u"SupportHistoryWords";
constexpr const char16_t* SupportHistoryStatus = u"SupportHistoryStatus";
constexpr const char16_t* SupportLastString = u"SupportLastString";
} // namespace settings

// Window positions are stored under a window's name plus one of the two
// suffixes (absolute, or relative to the host frame).
namespace window_pos {
constexpr const char16_t* Section = u"WindowPos";
constexpr const char16_t* Rebar = u"Rebar";
constexpr const char16_t* Main = u"Main";
constexpr const char16_t* AbsoluteSuffix = u"_abs";
constexpr const char16_t* RelativeSuffix = u"_rel";
} // namespace window_pos

// Also holds the recent-roots list under the numbered keys.
namespace root {
constexpr const char16_t* Section = u"Root";
constexpr const char16_t* Status = u"Status";
constexpr const char16_t* Type = u"Type";
constexpr const char16_t* Root = u"Root";
} // namespace root

namespace make {
constexpr const char16_t* Section = u"Make";
constexpr const char16_t* Swap = u"Swap";
constexpr const char16_t* AutoDelete = u"AutoDelete";
constexpr const char16_t* AutoClose = u"AutoClose";
constexpr const char16_t* ShortMake = u"ShortMake";
constexpr const char16_t* PSPDFDefault = u"PSPDFDefault";
constexpr const char16_t* DeleteList = u"DeleteList";
constexpr const char16_t* DeleteReport = u"DeleteReport";
constexpr const char16_t* DeleteUndo = u"DeleteUndo";
constexpr const char16_t* SubDirectory = u"SubDirectory";
constexpr const char16_t* TeXEdit = u"TEXEDIT";
constexpr const char16_t* TeXEditParam = u"TEXEDITParam";
} // namespace make

// Also holds the highlight patterns under the numbered keys.
namespace highlight {
constexpr const char16_t* Section = u"Highlight";
constexpr const char16_t* Status = u"Status";
constexpr const char16_t* Item = u"Item";
} // namespace highlight

namespace support {
constexpr const char16_t* Section = u"SupportSettings";
constexpr const char16_t* Support = u"Support";
constexpr const char16_t* EasySupport = u"EasySupport";
constexpr const char16_t* ShowSupportKey = u"ShowSupportKey";
constexpr const char16_t* EasySupportKey = u"EasySupportKey";
constexpr const char16_t* ItemBibitemKey = u"ItemBibitemKey";
constexpr const char16_t* InsertKey = u"InsertKey";
constexpr const char16_t* ComplementKey = u"ComplementKey";
constexpr const char16_t* ComplementInsertKey = u"ComplementInsertKey";
constexpr const char16_t* InsertCandidateKey = u"InsertCandidateKey";
constexpr const char16_t* PreviousCandidateKey = u"PreviousCandidateKey";
constexpr const char16_t* RSearchKey = u"RSearchKey";
constexpr const char16_t* HistoryKey = u"HistoryKey";
constexpr const char16_t* HistoryList = u"HistoryList";
constexpr const char16_t* HistoryWords = u"HistoryWords";
constexpr const char16_t* ShowHistory = u"ShowHistory";
constexpr const char16_t* AfterHistory = u"AfterHistory";
// Spelled as existing settings files store it.
constexpr const char16_t* InsertAfterCompliment = u"InsertAfterCompliment";
} // namespace support

namespace easy_support {
constexpr const char16_t* Section = u"EasySupport";
constexpr const char16_t* RefSort = u"RefSort";
constexpr const char16_t* CiteSort = u"CiteSort";
} // namespace easy_support

// Also holds the key of each shortcut slot that differs from its default,
// under the slot's decimal number (mainwindow/shortcuts.h).
namespace shortcut {
constexpr const char16_t* Section = u"ShortCut";
constexpr const char16_t* Status = u"Status";
} // namespace shortcut

namespace menu {
constexpr const char16_t* Section = u"Menu";
constexpr const char16_t* Text = u"1";
} // namespace menu

namespace layout {
constexpr const char16_t* Section = u"Layout";
constexpr const char16_t* Comment = u"Comment";
constexpr const char16_t* History = u"History";
constexpr const char16_t* Last = u"Last";
} // namespace layout

namespace dviout {
constexpr const char16_t* Section = u"DVIOUT";
constexpr const char16_t* PaperSize = u"PaperSize";
constexpr const char16_t* PaperSizeFromSource = u"PaperSizefromSrc";
} // namespace dviout

// Besides the tree settings, one key per outline item kind.
namespace search {
constexpr const char16_t* Section = u"Search";
constexpr const char16_t* TreeMode = u"TreeMode";
constexpr const char16_t* TreeDepth = u"TreeDepth";
constexpr const char16_t* CommentHeight = u"CommentHeight";
constexpr const char16_t* Part = u"part";
constexpr const char16_t* Chapter = u"chapter";
constexpr const char16_t* SectionItem = u"section";
constexpr const char16_t* Subsection = u"subsection";
constexpr const char16_t* Subsubsection = u"subsubsection";
constexpr const char16_t* Paragraph = u"paragraph";
constexpr const char16_t* Subparagraph = u"subparagraph";
constexpr const char16_t* Figure = u"figure";
constexpr const char16_t* Table = u"table";
constexpr const char16_t* Equation = u"equation";
constexpr const char16_t* Item = u"item";
} // namespace search

namespace ref_cite {
constexpr const char16_t* Section = u"RefCite";
constexpr const char16_t* RefType = u"RefType";
constexpr const char16_t* RefSort = u"RefSort";
constexpr const char16_t* CiteSort = u"CiteSort";
constexpr const char16_t* LabelFilter = u"LabelFilter";
} // namespace ref_cite

namespace document_class {
constexpr const char16_t* Section = u"DocumentClass";
constexpr const char16_t* Title = u"Title";
constexpr const char16_t* NoPageNum = u"NoPageNum";
constexpr const char16_t* Comment = u"Comment";
constexpr const char16_t* History = u"History";
constexpr const char16_t* Last = u"Last";
} // namespace document_class

namespace date {
constexpr const char16_t* Section = u"Date";
constexpr const char16_t* History = u"History";   // beside the numbered list of formats
} // namespace date

namespace char_palette {
constexpr const char16_t* Section = u"Char";
constexpr const char16_t* Window = u"Window";
constexpr const char16_t* WindowSep = u"WindowSep";
constexpr const char16_t* AutoClose = u"AutoClose";
constexpr const char16_t* AutoCloseSep = u"AutoCloseSep";
} // namespace char_palette

} // namespace ini_keys
