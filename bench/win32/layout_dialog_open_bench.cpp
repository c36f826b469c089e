// Times opening the page layout dialog in the stand-in host: its command
// sent to the main window until the dialog shows with its diagram drawn and
// the preamble scanned; then Cancel ends it.
//
//   layout_dialog_open_bench [runs] [--hold SECONDS] [--bare]
//
// --bare opens it on a document without parameter lines. With --hold,
// \textwidth has the focus (its arrows red).
#include "bench/win32/dialog_open_bench.h"

int main(int argc, char** argv) {
    bool bare = false;
    dialog_bench::Options o = dialog_bench::parse(argc, argv, [&](const std::string& arg) {
        if (arg != "--bare") return false;
        bare = true;
        return true;
    });
    // A preamble with parameter lines, as the dialog meets it in use.
    std::string document = bare ? "\\documentclass{article}\r\n\\begin{document}\r\n\\end{document}\r\n"
                                : "\\documentclass{article}\r\n\\textwidth 150mm % wide\r\n\\textheight 22cm\r\n"
                                  "\\topmargin 0pt\r\n\\begin{document}\r\n\\end{document}\r\n";
    // \textwidth's value box: a control only the page layout dialog has.
    constexpr int TextWidthValue = 1334;
    return dialog_bench::run(o, {41002, TextWidthValue, "page layout"}, document, [](HWND dialog) {
        // The dialog's own thread gives the focus (and the red arrows).
        PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, TextWidthValue)), TRUE);
    });
}
