// Command identifiers that code refers to by name. Toolbar buttons, popup
// menus, shortcut keys and user menus all end in these numbers, so they
// are part of the settings users keep (shortcut and user-menu files).
#pragma once
#include <cstdint>

namespace cmd {

// Ranges.
constexpr uint32_t FirstToolbar = 41001;
constexpr uint32_t LastToolbar = 41137;
constexpr uint32_t FirstPopup = 41145;
constexpr uint32_t LastPopup = 41413;
constexpr uint32_t FirstUserString = 65000;
constexpr uint32_t LastUserString = 65050;

// Text commands handled by the portable core.
constexpr uint32_t ToggleComment = 41043;
constexpr uint32_t ToggleCommentMenu = 41178;
constexpr uint32_t CommentOut = 41084;
constexpr uint32_t CommentOutMenu = 41179;
constexpr uint32_t Uncomment = 41085;
constexpr uint32_t UncommentMenu = 41180;
constexpr uint32_t JumpToTarget = 41079;
constexpr uint32_t RaiseSection = 41125;
constexpr uint32_t LowerSection = 41126;

// Lists.
constexpr uint32_t Enumerate = 41108;
constexpr uint32_t Itemize = 41109;
constexpr uint32_t Description = 41110;

// Commands the shell carries out.
constexpr uint32_t JumpBack = 41136;
constexpr uint32_t OutlineWindow = 41042;
constexpr uint32_t RootFileDialog = 41115;
// Typesetting variant 6; its button also drops down the paper-size and
// previewer menu.
constexpr uint32_t TypesetPaperMenu = 41051;

// Toggles shared by every window of every process; their buttons show the
// shared state and drop down a menu (Root lock, Highlight).
constexpr uint32_t RootLock = 41123;
constexpr uint32_t Highlight = 41124;
constexpr uint32_t Swap = 41137;
constexpr uint32_t UserStringMenu = 41054;
constexpr uint32_t UserMenu = 41414;
constexpr uint32_t UserMenuEditor = 46001;
constexpr uint32_t UserStringEditor = 46002;
constexpr uint32_t AuxiliaryFileDeletion = 1209;

} // namespace cmd
