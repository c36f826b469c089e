// Jumps between places in the host's editor windows: the jump-return ring
// (where jumps started from), the jump back, and the pending jump that one
// window leaves for another (possibly in another process) to finish.
#pragma once
#include "frame/host_editor.h"
#include "frame/win32/thread_context.h"

#include <optional>
#include <windows.h>

namespace jumps {

// The toolbar command that jumps back; enabled while a record is valid.
constexpr uint32_t JumpBackCommand = 41136;
// Posted to the outline window after it asked for a jump that was done.
constexpr UINT OutlineJumpDone = WM_USER + 1;

// Jumps in the given editor window and gives it the keyboard focus.
void jumpIn(HWND editor, Position logical, std::optional<int32_t> document);

// Records the caret of the context's editor window as the newest place.
void pushReturn(PluginThreadContext& ctx);
void popReturn(PluginThreadContext& ctx);
// Drops records whose window or document is gone; true when one is left.
bool hasValidReturn(PluginThreadContext& ctx);
// Goes to the newest valid place: here, or by leaving a pending jump for
// the window it belongs to and bringing that window to the front.
void jumpBack(PluginThreadContext& ctx);
// Enables the jump-back button exactly when a valid record exists.
void refreshReturnButton(PluginThreadContext& ctx);

// How a window is named in the shared records (jump returns, the pending
// jump's requester).
inline uint32_t requesterOf(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

// Asks the next window whose events allow it to jump to a logical place.
void setPending(Position logical, uint32_t requester);
bool pending();
// Withdraws a pending jump whose target could not be opened, so that no
// later window takes it by surprise.
void clearPending();
// Carries out the pending jump in the context's editor window (active
// document) and clears it; false when none was pending.
bool takePending(PluginThreadContext& ctx);

} // namespace jumps
