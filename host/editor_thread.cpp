#include "host/editor_thread.h"
#include "host/frame_window.h"

EditorThread::EditorThread(EditorWindowOptions options) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, options = std::move(options), ready]() mutable { main(std::move(options), ready); });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
}

EditorThread::~EditorThread() { close(); }

void EditorThread::main(EditorWindowOptions options, HANDLE ready) {
    threadId_ = GetCurrentThreadId();
    std::unique_ptr<Document> doc;
    std::wstring problem;
    if (!options.path.empty()) {
        document_file::LoadResult result;
        doc = openDocument(options.path, options.caretLine, result);
        problem = FrameWindow::describe(result, options.path);
    } else {
        doc = std::make_unique<Document>();
        doc->model.setText(options.text);
    }
    std::unique_ptr<FrameWindow> frame = FrameWindow::create(options.plugin, std::move(doc));
    if (!frame) {
        SetEvent(ready);
        return;
    }
    if (!problem.empty()) frame->onStatusText(problem);
    frame_ = frame->hwnd();
    editor_ = frame->editorHwnd();
    rebar_ = frame->rebar();
    toolbar_ = frame->toolbar();
    status_ = frame->statusBar();
    ShowWindow(frame_, options.show);
    UpdateWindow(frame_);
    SetEvent(ready); // the creator's fields are all set before this

    // The ordinary loop, so that thread keyboard hooks see every key.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    frame.reset();
}

bool EditorThread::run(const std::function<void(EditorView&)>& fn) {
    if (!editor_ || !IsWindow(editor_)) return false;
    auto copy = fn;
    return SendMessageW(editor_, EditorView::RunOnThread, 0, reinterpret_cast<LPARAM>(&copy)) == 1;
}

void EditorThread::close() {
    if (!thread_.joinable()) return;
    if (frame_ && IsWindow(frame_)) PostMessageW(frame_, FrameWindow::CloseQuietly, 0, 0);
    thread_.join();
}

void EditorThread::wait() {
    if (thread_.joinable()) thread_.join();
}
