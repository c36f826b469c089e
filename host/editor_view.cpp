#include "host/editor_view.h"
#include "base/win32/wide.h"
#include "frame/host_messages.h"

#include <algorithm>
#include <mutex>

namespace {

constexpr int Margin = 4;       // pixels left of column 0
constexpr int TabColumns = 4;

const COLORREF SelectionColor = RGB(173, 214, 255);
const COLORREF HighlightColor = RGB(255, 236, 120);

void registerClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = EditorView::ClassName;
    wc.lpfnWndProc = DefWindowProcW; // replaced per window in create()
    RegisterClassExW(&wc);
}

std::wstring asWide(const std::u16string& s) { return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size()); }

} // namespace

EditorView::EditorView(EditorOwner* owner) : owner_(owner), doc_(std::make_unique<Document>()) {}

EditorView::~EditorView() {
    if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    if (font_) DeleteObject(font_);
    if (wideFont_) DeleteObject(wideFont_);
}

HFONT EditorView::fontFor(char16_t c) const {
    // CJK blocks, full-width forms and surrogates come from the Japanese
    // face; everything else from a Latin one, where '\\' is a backslash.
    bool wide = (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xD800 && c <= 0xDFFF) ||
                (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
    return wide ? wideFont_ : font_;
}

std::unique_ptr<EditorView> EditorView::create(HWND parent, EditorOwner* owner) {
    // Windows of several threads share the class.
    static std::once_flag once;
    std::call_once(once, registerClass);

    std::unique_ptr<EditorView> view(new EditorView(owner));
    HWND hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                0, 0, 100, 100, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    view->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view.get()));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorView::proc));

    auto makeFont = [](const wchar_t* face) {
        return CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, face);
    };
    view->font_ = makeFont(L"DejaVu Sans Mono");
    view->wideFont_ = makeFont(L"IPAGothic");
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, view->font_);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    view->charWidth_ = std::max<int>(1, tm.tmAveCharWidth);
    view->lineHeight_ = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    SelectObject(dc, view->wideFont_);
    GetTextMetricsW(dc, &tm);
    view->lineHeight_ = std::max<int>(view->lineHeight_, tm.tmHeight + tm.tmExternalLeading);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    view->updateScrollBars();
    return view;
}

LRESULT CALLBACK EditorView::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<EditorView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return self->handle(msg, wParam, lParam);
}

int32_t EditorView::replaceDocument(std::unique_ptr<Document> doc) {
    int32_t old = doc_->handle;
    doc_ = std::move(doc);
    updateScrollBars();
    InvalidateRect(hwnd_, nullptr, TRUE);
    return old;
}

bool EditorView::save() {
    if (doc_->path.empty()) {
        std::wstring path;
        if (!owner_ || !owner_->choosePathForSave(path) || path.empty()) return false;
        doc_->setPath(path);
    }
    bool ok = doc_->save();
    if (owner_) {
        owner_->onStatusText(ok ? L"Saved " + doc_->path : L"Could not save " + doc_->path);
        owner_->onDocumentEdited();
    }
    return ok;
}

void EditorView::refresh() {
    placeSystemCaret();
    if (doc_->model.redrawDepth() > 0) return;
    updateScrollBars();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The system caret stays hidden (the view draws its own) but sits where
// the caret is drawn, as a real editor's does: windows that open at the
// caret ask the system for it.
void EditorView::placeSystemCaret() {
    if (!hwnd_ || GetFocus() != hwnd_) return;
    MemoryEditor& m = doc_->model;
    Position caret = m.caret(), scroll = m.GetScrollPos();
    const auto& lines = m.lines();
    if (caret.y < 0 || caret.y >= static_cast<int>(lines.size())) return;
    const std::u16string& line = lines[caret.y];
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    std::vector<int> xs = columnOffsets(dc, line);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    int origin = Margin - xs[std::min<size_t>(scroll.x, line.size())] -
                 std::max<int>(0, scroll.x - static_cast<int>(line.size())) * charWidth_;
    size_t column = std::min<size_t>(static_cast<size_t>(std::max(caret.x, 0)), line.size());
    SetCaretPos(origin + xs[column], (caret.y - scroll.y) * lineHeight_);
}

int EditorView::visibleLines() const {
    RECT rc{};
    GetClientRect(hwnd_, &rc);
    return std::max<int>(1, (rc.bottom - rc.top) / lineHeight_);
}

int EditorView::visibleColumns() const {
    RECT rc{};
    GetClientRect(hwnd_, &rc);
    return std::max<int>(1, (rc.right - rc.left - Margin) / charWidth_);
}

void EditorView::updateScrollBars() {
    if (!hwnd_) return;
    Position scroll = doc_->model.GetScrollPos();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = doc_->model.GetLineCount() - 1 + visibleLines() - 1;
    si.nPage = static_cast<UINT>(visibleLines());
    si.nPos = scroll.y;
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    size_t widest = 0;
    for (const auto& line : doc_->model.lines()) widest = std::max(widest, line.size());
    si.nMax = static_cast<int>(widest) + visibleColumns();
    si.nPage = static_cast<UINT>(visibleColumns());
    si.nPos = scroll.x;
    SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
}

void EditorView::scrollTo(Position topLeft) {
    doc_->model.SetScrollPos(topLeft);
    refresh();
}

void EditorView::ensureCaretVisible() {
    Position caret = doc_->model.caret();
    Position scroll = doc_->model.GetScrollPos();
    Position want = scroll;
    int lines = visibleLines(), cols = visibleColumns();
    if (caret.y < scroll.y) want.y = caret.y;
    else if (caret.y >= scroll.y + lines) want.y = caret.y - lines + 1;
    if (caret.x < scroll.x) want.x = caret.x;
    else if (caret.x > scroll.x + cols - 2) want.x = caret.x - cols + 2;
    if (want != scroll) scrollTo(want);
}

std::vector<int> EditorView::columnOffsets(HDC dc, const std::u16string& line) const {
    std::vector<int> x(line.size() + 1, 0);
    int tab = TabColumns * charWidth_;
    for (size_t i = 0; i < line.size(); ++i) {
        int w = 0;
        if (line[i] == u'\t') {
            w = tab - x[i] % tab;
        } else {
            SIZE sz{};
            SelectObject(dc, fontFor(line[i]));
            GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(&line[i]), 1, &sz);
            w = sz.cx;
        }
        x[i + 1] = x[i] + w;
    }
    return x;
}

void EditorView::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));

    MemoryEditor& m = doc_->model;
    Position scroll = m.GetScrollPos();
    Position selFrom = m.GetSelectionStart(PosKind::View), selTo = m.GetSelectionEnd(PosKind::View);
    Position caret = m.caret();
    const auto& lines = m.lines();
    HBRUSH selBrush = CreateSolidBrush(SelectionColor);
    HBRUSH hiBrush = CreateSolidBrush(HighlightColor);

    for (int row = 0; row * lineHeight_ < client.bottom; ++row) {
        int y = scroll.y + row;
        if (y >= static_cast<int>(lines.size())) break;
        const std::u16string& line = lines[y];
        std::vector<int> xs = columnOffsets(dc, line);
        int origin = Margin - xs[std::min<size_t>(scroll.x, line.size())] -
                     std::max<int>(0, scroll.x - static_cast<int>(line.size())) * charWidth_;
        int top = row * lineHeight_;
        auto fillColumns = [&](int from, int to, HBRUSH brush, int extra) {
            RECT r{origin + xs[from], top, origin + xs[to] + extra, top + lineHeight_};
            FillRect(dc, &r, brush);
        };
        for (auto [from, to] : doc_->highlight.matches(asWide(line))) fillColumns(from, to, hiBrush, 0);
        if (selFrom != selTo && y >= selFrom.y && y <= selTo.y) {
            int from = y == selFrom.y ? selFrom.x : 0;
            int to = y == selTo.y ? selTo.x : static_cast<int>(line.size());
            fillColumns(from, to, selBrush, y < selTo.y ? charWidth_ / 2 : 0); // line break shown as a sliver
        }
        // Text in runs of one font between tabs, each at its column's offset.
        size_t start = 0;
        for (size_t i = 0; i <= line.size(); ++i) {
            bool split = i == line.size() || line[i] == u'\t' || (i > start && fontFor(line[i]) != fontFor(line[start]));
            if (!split) continue;
            if (i > start) {
                SelectObject(dc, fontFor(line[start]));
                TextOutW(dc, origin + xs[start], top, reinterpret_cast<const wchar_t*>(line.data() + start),
                         static_cast<int>(i - start));
            }
            start = i < line.size() && line[i] == u'\t' ? i + 1 : i;
        }
        if (y == caret.y) {
            RECT r{origin + xs[caret.x], top, origin + xs[caret.x] + 2, top + lineHeight_};
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOWTEXT));
            // The hidden system caret follows the drawn one: plug-ins place
            // their popups at the system caret, as in the real editor.
            if (GetFocus() == hwnd_) SetCaretPos(r.left, r.top);
        }
    }
    DeleteObject(selBrush);
    DeleteObject(hiBrush);
    SelectObject(dc, oldFont);
    EndPaint(hwnd_, &ps);
}

Position EditorView::positionAt(int px, int py) {
    MemoryEditor& m = doc_->model;
    Position scroll = m.GetScrollPos();
    int y = scroll.y + std::max(0, py) / lineHeight_;
    y = std::min(y, m.GetLineCount() - 1);
    const std::u16string& line = m.lines()[y];
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    std::vector<int> xs = columnOffsets(dc, line);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    int target = px - Margin + xs[std::min<size_t>(scroll.x, line.size())];
    int x = 0;
    while (x < static_cast<int>(line.size()) && (xs[x] + xs[x + 1]) / 2 < target) ++x;
    return Position{x, y};
}

void EditorView::moveCaret(Position to, bool extend) {
    MemoryEditor& m = doc_->model;
    if (extend) m.SetSelection(m.anchor(), to);
    else m.SetCaretPos(PosKind::View, to);
    ensureCaretVisible();
    refresh();
}

void EditorView::onChar(wchar_t c) {
    MemoryEditor& m = doc_->model;
    if (c == 0 || c == 0x7F) return; // WM_CHAR 0 flushes input, nothing more
    if (c == L'\b') {
        if (m.GetSelectionStart(PosKind::View) == m.GetSelectionEnd(PosKind::View)) {
            Position caret = m.caret();
            if (caret.x == 0 && caret.y == 0) return;
            Position prev = caret.x > 0 ? Position{caret.x - 1, caret.y}
                                        : Position{m.GetLineLength(caret.y - 1), caret.y - 1};
            m.SetSelection(prev, caret);
        }
        m.InsertText(u"");
    } else if (c == L'\r') {
        m.InsertText(u"\r\n");
    } else if (c == L'\t' || c >= 0x20) {
        char16_t ch = static_cast<char16_t>(c);
        m.InsertText(u16view(&ch, 1));
    } else {
        return; // other control characters (Ctrl+letter) insert nothing
    }
    ensureCaretVisible();
    refresh();
    if (owner_) owner_->onDocumentEdited();
}

void EditorView::onKeyDown(UINT vk) {
    MemoryEditor& m = doc_->model;
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    Position c = m.caret();
    int last = m.GetLineCount() - 1;
    switch (vk) {
    case VK_LEFT:
        if (c.x > 0) moveCaret({c.x - 1, c.y}, shift);
        else if (c.y > 0) moveCaret({m.GetLineLength(c.y - 1), c.y - 1}, shift);
        break;
    case VK_RIGHT:
        if (c.x < m.GetLineLength(c.y)) moveCaret({c.x + 1, c.y}, shift);
        else if (c.y < last) moveCaret({0, c.y + 1}, shift);
        break;
    case VK_UP: moveCaret({c.x, std::max(0, c.y - 1)}, shift); break;
    case VK_DOWN: moveCaret({c.x, std::min(last, c.y + 1)}, shift); break;
    case VK_PRIOR: moveCaret({c.x, std::max(0, c.y - visibleLines())}, shift); break;
    case VK_NEXT: moveCaret({c.x, std::min(last, c.y + visibleLines())}, shift); break;
    case VK_HOME: moveCaret(ctrl ? Position{0, 0} : Position{0, c.y}, shift); break;
    case VK_END:
        moveCaret(ctrl ? Position{m.GetLineLength(last), last} : Position{m.GetLineLength(c.y), c.y}, shift);
        break;
    case VK_DELETE:
        m.RunHostCommand(hostmsg::CmdDeleteForward);
        refresh();
        if (owner_) owner_->onDocumentEdited();
        break;
    case 'S':
        if (ctrl) save();
        break;
    case 'A':
        if (ctrl) {
            m.RunHostCommand(hostmsg::CmdSelectAll);
            refresh();
        }
        break;
    default: break;
    }
}

LRESULT EditorView::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (hostMessage(msg, wParam, lParam, result)) return result;
    switch (msg) {
    case RunOnThread:
        if (lParam) (*reinterpret_cast<std::function<void(EditorView&)>*>(lParam))(*this);
        return 1;
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: updateScrollBars(); return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_CHAR: onChar(static_cast<wchar_t>(wParam)); return 0;
    case WM_KEYDOWN: onKeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_SETFOCUS:
        CreateCaret(hwnd_, nullptr, 2, lineHeight_);
        placeSystemCaret();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    case WM_KILLFOCUS:
        DestroyCaret();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd_);
        SetCapture(hwnd_);
        dragging_ = true;
        moveCaret(positionAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))),
                  (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_)
            moveCaret(positionAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))), true);
        return 0;
    case WM_LBUTTONUP:
        dragging_ = false;
        ReleaseCapture();
        return 0;
    case WM_MOUSEWHEEL: {
        Position s = doc_->model.GetScrollPos();
        s.y -= GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3;
        scrollTo(Position{s.x, std::max(0, s.y)});
        return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
        bool vert = msg == WM_VSCROLL;
        Position s = doc_->model.GetScrollPos();
        int& v = vert ? s.y : s.x;
        int page = vert ? visibleLines() : visibleColumns();
        switch (LOWORD(wParam)) {
        case SB_LINEUP: v -= 1; break;
        case SB_LINEDOWN: v += 1; break;
        case SB_PAGEUP: v -= page; break;
        case SB_PAGEDOWN: v += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(hwnd_, vert ? SB_VERT : SB_HORZ, &si);
            v = si.nTrackPos;
            break;
        }
        default: break;
        }
        v = std::max(0, v);
        scrollTo(s);
        return 0;
    }
    default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}
