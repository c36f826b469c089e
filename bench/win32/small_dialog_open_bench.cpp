// Times opening the date dialog in the stand-in host: its command sent to
// the main window until the dialog shows with its format list filled and
// the preview written; then Cancel closes it.
//
//   small_dialog_open_bench [runs] [--hold SECONDS] [--minipage | --index]
//
// --minipage and --index time those dialogs instead.
#include "bench/win32/dialog_open_bench.h"

int main(int argc, char** argv) {
    // The command, a control only that dialog has, and its name.
    dialog_bench::Dialog dialog{41044, 1217, "date"};
    dialog_bench::Options o = dialog_bench::parse(argc, argv, [&](const std::string& arg) {
        if (arg == "--minipage") dialog = {41075, 1225, "minipage"};
        else if (arg == "--index") dialog = {41132, 1444, "index"};
        else return false;
        return true;
    });
    return dialog_bench::run(o, dialog, "\\documentclass{article}\r\n");
}
