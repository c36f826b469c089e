// A batch process started for the user in a console of its own, and the
// wait that keeps the host painted but deaf to input until it ends.
#pragma once
#include "base/text.h"

#include <windows.h>

class Process {
public:
    Process() = default;
    virtual ~Process();   // closes the process handle
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // What the run does once its child has ended (or never started).
    virtual void release();

    // A child is held and has not ended within 1 ms.
    bool IsRunning() const;
    // Starts batchFile through the command interpreter in a new console,
    // with this process's environment, in workingFolder (this process's
    // own when empty), shown at the top left of the screen. Refused while
    // a child still runs or when the path cannot be quoted.
    bool start(u16view batchFile, u16view workingFolder);

protected:
    void closeHandle();

private:
    HANDLE process_ = nullptr; // owned: the child, null until started
};

namespace process {

// Messages a waiting run throws away: they would start a command or move
// the focus while the batch process runs.
bool isDiscardedInput(UINT message);

// Pumps this thread's messages until the child ends, dropping the input
// that isDiscardedInput names and dispatching the rest.
void waitWhileRunning(const Process& run);

} // namespace process
