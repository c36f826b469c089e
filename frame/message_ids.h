// Identifiers of the texts the plug-in takes from its language library.
// Code names texts through these constants only, so the build can check
// that every shipped language library has a text for each of them.
#pragma once
#include <cstdint>

namespace msgid {
// Captions of message boxes.
constexpr uint32_t CaptionWarning = 0x1000001;
constexpr uint32_t CaptionQuestion = 0x1000002;   // questions and information

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

// Defaults of list settings.
constexpr uint32_t DefaultUserMenu = 0x20001;
} // namespace cfgid
