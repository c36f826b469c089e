#include "host/frame_window.h"
#include "base/win32/wide.h"
#include "host/instance_launcher.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mutex>

namespace {

const wchar_t* const AppTitle = L"Host Editor";

void registerClass() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = FrameWindow::ClassName;
    wc.lpfnWndProc = DefWindowProcW; // each window is switched to FrameWindow's procedure
    RegisterClassExW(&wc);
}

std::wstring fileNameOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

std::wstring FrameWindow::describe(document_file::LoadResult result, const std::wstring& path) {
    switch (result) {
    case document_file::LoadResult::Ok: return L"";
    case document_file::LoadResult::TooLarge: return L"Too large to open: " + path;
    default: return L"Cannot read: " + path;
    }
}

std::unique_ptr<FrameWindow> FrameWindow::create(PluginHost* plugin, std::unique_ptr<Document> initial) {
    // Windows of several threads share the class.
    static std::once_flag once;
    std::call_once(once, registerClass);
    std::unique_ptr<FrameWindow> frame(new FrameWindow(plugin));
    HWND hwnd = CreateWindowExW(0, ClassName, AppTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, Width,
                                Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    frame->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame.get()));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameWindow::proc));
    if (!frame->createChildren()) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (initial) frame->view_->replaceDocument(std::move(initial));
    frame->layout();
    frame->view_->ensureCaretVisible();
    frame->updateTitle();
    if (plugin) plugin->started(frame->editorHwnd());
    return frame;
}

FrameWindow::~FrameWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (statusFont_) DeleteObject(statusFont_);
}

bool FrameWindow::createChildren() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, IdOpen, L"&Open...");
    AppendMenuW(file, MF_STRING, IdOpenNewWindow, L"Open in &New Window...");
    AppendMenuW(file, MF_STRING, IdSave, L"&Save\tCtrl+S");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IdExit, L"E&xit");
    HMENU pluginMenu = CreatePopupMenu();
    std::wstring pluginName = plugin_ ? plugin_->menuText() : L"Plug-in";
    AppendMenuW(pluginMenu, MF_STRING | (plugin_ && plugin_->loaded() ? 0 : MF_GRAYED), IdPlugin, pluginName.c_str());
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(pluginMenu), L"&Plug-in");
    SetMenu(hwnd_, bar);

    rebar_ = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                 RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                             0, 0, 0, 0, hwnd_, nullptr, inst, nullptr);
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE |
                                   CCS_NODIVIDER | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, rebar_, nullptr, inst, nullptr);
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              hwnd_, nullptr, inst, nullptr);
    if (!rebar_ || !toolbar_ || !status_) return false;
    // Plug-in messages may be Japanese; a face that has the glyphs.
    statusFont_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"IPAPGothic");
    SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont_), FALSE);

    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    std::wstring labels[] = {L"Open", L"Save", pluginName};
    TBBUTTON buttons[3] = {};
    UINT ids[] = {IdOpen, IdSave, IdPlugin};
    for (int i = 0; i < 3; ++i) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = static_cast<int>(ids[i]);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        buttons[i].iString = reinterpret_cast<INT_PTR>(labels[i].c_str());
    }
    buttons[2].fsStyle |= BTNS_CHECK;
    if (!plugin_ || !plugin_->loaded()) buttons[2].fsState = 0;
    SendMessageW(toolbar_, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    SIZE size{};
    SendMessageW(toolbar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    DWORD buttonSize = static_cast<DWORD>(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0));

    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
    band.hwndChild = toolbar_;
    band.cxMinChild = size.cx > 0 ? size.cx : 200;
    band.cyMinChild = HIWORD(buttonSize) > 0 ? HIWORD(buttonSize) : 24;
    band.cx = band.cxMinChild + 20;
    band.wID = 1;
    SendMessageW(rebar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));

    view_ = EditorView::create(hwnd_, this);
    return view_ != nullptr;
}

void FrameWindow::layout() {
    RECT rc{};
    GetClientRect(hwnd_, &rc);
    SendMessageW(rebar_, WM_SIZE, 0, 0);
    SendMessageW(status_, WM_SIZE, 0, 0);
    RECT rb{}, sb{};
    GetWindowRect(rebar_, &rb);
    GetWindowRect(status_, &sb);
    int top = rb.bottom - rb.top, bottom = rc.bottom - (sb.bottom - sb.top);
    if (view_ && view_->hwnd()) MoveWindow(view_->hwnd(), 0, top, rc.right, bottom > top ? bottom - top : 0, TRUE);
}

void FrameWindow::updateTitle() {
    Document& doc = view_->document();
    shownModified_ = doc.model.IsDocumentModified();
    std::wstring name = doc.path.empty() ? L"(untitled)" : fileNameOf(doc.path);
    std::wstring title = name + (shownModified_ ? L" *" : L"") + L" - " + AppTitle;
    SetWindowTextW(hwnd_, title.c_str());
}

void FrameWindow::installDocument(std::unique_ptr<Document> doc) {
    HWND editor = editorHwnd();
    int32_t old = view_->replaceDocument(std::move(doc));
    if (plugin_) {
        plugin_->documentClosed(editor, old);
        plugin_->activated(editor);
    }
    updateTitle();
}

bool FrameWindow::open(const std::wstring& path, int line) {
    document_file::LoadResult result;
    auto doc = openDocument(path, line, result);
    if (!doc) {
        onStatusText(describe(result, path));
        return false;
    }
    installDocument(std::move(doc));
    view_->ensureCaretVisible();
    onStatusText(L"");
    return true;
}

void FrameWindow::setText(u16view text) {
    auto doc = std::make_unique<Document>();
    doc->model.setText(text);
    installDocument(std::move(doc));
}

void FrameWindow::updatePluginCheck() {
    bool on = plugin_ && plugin_->checked(editorHwnd());
    HMENU bar = GetMenu(hwnd_);
    if (bar) CheckMenuItem(bar, IdPlugin, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    SendMessageW(toolbar_, TB_CHECKBUTTON, IdPlugin, MAKELPARAM(on ? TRUE : FALSE, 0));
}

void FrameWindow::onStatusText(const std::wstring& text) {
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void FrameWindow::onRefreshPluginState(int) { updatePluginCheck(); }

void FrameWindow::onDocumentEdited() {
    if (view_->document().model.IsDocumentModified() != shownModified_) updateTitle();
}

bool FrameWindow::askFileName(std::wstring& path, bool forSave) {
    wchar_t buffer[MAX_PATH * 2] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd_;
    ofn.lpstrFilter = L"TeX documents (*.tex)\0*.tex\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = MAX_PATH * 2;
    ofn.Flags = forSave ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    ofn.lpstrDefExt = L"tex";
    BOOL ok = forSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return false;
    path = buffer;
    return true;
}

bool FrameWindow::choosePathForSave(std::wstring& path) { return askFileName(path, true); }

bool FrameWindow::confirmDiscard() {
    if (!view_->document().model.IsDocumentModified()) return true;
    int answer = MessageBoxW(hwnd_, L"The document has changed. Save it?", AppTitle, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    return answer == IDNO || view_->save();
}

void FrameWindow::onCommand(UINT id) {
    std::wstring path;
    switch (id) {
    case IdOpen:
        if (confirmDiscard() && askFileName(path, false) && !open(path, 0))
            MessageBoxW(hwnd_, (L"Cannot open " + path).c_str(), AppTitle, MB_OK | MB_ICONWARNING);
        break;
    case IdOpenNewWindow:
        if (askFileName(path, false)) {
            std::vector<std::wstring> args;
            if (plugin_ && plugin_->loaded()) args = {L"/plugin", plugin_->path()};
            args.push_back(path);
            if (!instance_launcher::launch(L"", args))
                MessageBoxW(hwnd_, L"Cannot start a new window.", AppTitle, MB_OK | MB_ICONWARNING);
        }
        break;
    case IdSave: view_->save(); break;
    case IdExit: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case IdPlugin:
        if (plugin_) plugin_->command(editorHwnd());
        updatePluginCheck();
        break;
    default: break;
    }
}

LRESULT CALLBACK FrameWindow::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->handle(msg, wParam, lParam);
}

LRESULT FrameWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE: layout(); return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == RBN_HEIGHTCHANGE) layout();
        return 0;
    case WM_COMMAND: onCommand(LOWORD(wParam)); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            if (view_ && view_->hwnd()) SetFocus(view_->hwnd());
            if (plugin_) plugin_->activated(editorHwnd());
        }
        return 0;
    case WM_SETFOCUS:
        if (view_ && view_->hwnd()) SetFocus(view_->hwnd());
        return 0;
    case WM_CLOSE:
        if (confirmDiscard()) DestroyWindow(hwnd_);
        return 0;
    case CloseQuietly: DestroyWindow(hwnd_); return 0;
    case WM_DESTROY:
        // The editor window still exists here, so the plug-in can talk to it.
        if (plugin_ && view_) {
            plugin_->closing(editorHwnd());
            plugin_->documentClosed(editorHwnd(), view_->document().handle);
        }
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        HWND hwnd = hwnd_;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}
