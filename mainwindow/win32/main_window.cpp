#include "mainwindow/win32/main_window.h"
#include "frame/win32/shared_state.h"

namespace {
// The few toolbar commands the entry points touch, as bit numbers.
int bit(uint32_t id) {
    switch (id) {
    case 41123: return 0; // root lock
    case 41124: return 1; // highlight
    case 41136: return 2; // jump back
    case 41137: return 3; // swap
    default: return -1;
    }
}
void setBit(uint64_t& bits, uint32_t id, bool on) {
    int b = bit(id);
    if (b < 0) return;
    if (on) bits |= uint64_t(1) << b;
    else bits &= ~(uint64_t(1) << b);
}
bool getBit(uint64_t bits, uint32_t id) {
    int b = bit(id);
    return b >= 0 && (bits >> b) & 1;
}
} // namespace

MainWindow::~MainWindow() { destroy(); }

bool MainWindow::create(HWND editor) {
    if (open_) return false;
    editor_ = editor;
    open_ = true;
    shared::windowOpened();
    return true;
}

void MainWindow::destroy() {
    if (!open_) return;
    open_ = false;
    shared::windowClosed();
}

void MainWindow::rebind(HWND editor) { editor_ = editor; }

void MainWindow::setCommandEnabled(uint32_t id, bool on) { setBit(enabled_, id, on); }
void MainWindow::setCommandPressed(uint32_t id, bool on) { setBit(pressed_, id, on); }
bool MainWindow::commandEnabled(uint32_t id) const { return getBit(enabled_, id); }
bool MainWindow::commandPressed(uint32_t id) const { return getBit(pressed_, id); }
