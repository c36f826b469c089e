// Times opening the document class dialog in the stand-in host: its command
// sent to the main window until the dialog shows, with the presets filled
// and the first 300 lines of a document without a class line read (the
// longest scan); then Cancel closes it.
//
//   class_dialog_open_bench [runs] [--hold SECONDS]
#include "bench/win32/dialog_open_bench.h"

int main(int argc, char** argv) {
    dialog_bench::Options o = dialog_bench::parse(argc, argv);
    std::string body;
    for (int i = 0; i < 400; ++i) body += "Some text of the body of the document, line " + std::to_string(i) + ".\r\n";
    // 1260: a control only the document class dialog has.
    return dialog_bench::run(o, {41001, 1260, "document class"}, body);
}
