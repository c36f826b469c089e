#include "dialogs/win32/dialog_layout.h"

#include "base/win32/wide.h"
#include "dialogs/win32/dialog_set_comment.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/plugin_resources.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {

namespace keys = ini_keys::layout;
namespace pl = page_layout;
namespace ld = layout_diagram;

constexpr int ValueLimit = 100;
constexpr int MaxDefaultPresets = 96;
constexpr int Gap = 7;                       // diagram to the dialog's edge and to the comment box
constexpr COLORREF ArrowColour = RGB(100, 150, 100);
constexpr COLORREF FocusColour = RGB(255, 0, 0);
constexpr int LabelHeight = 10;

int checkId(int parameter) { return VEXA_IDC_LAYOUT_CHECK + 2 * parameter; }
int valueId(int parameter) { return VEXA_IDC_LAYOUT_VALUE + 2 * parameter; }
// The parameter behind a check or value box, or -1.
int parameterOfControl(int id) {
    int offset = id - VEXA_IDC_LAYOUT_CHECK;
    return offset >= 0 && offset < 2 * pl::ParameterCount ? offset / 2 : -1;
}

// A memory DC with one bitmap selected; both put back at the end.
class BitmapDc {
public:
    explicit BitmapDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
        if (dc_) old_ = SelectObject(dc_, bitmap);
    }
    ~BitmapDc() {
        if (!dc_) return;
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

// A GDI object selected into a DC for the scope, then deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, old_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_, old_;
};

HBITMAP blankImage() {
    HDC screen = GetDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(screen, ld::Width, ld::Height);
    ReleaseDC(nullptr, screen);
    return b;
}

HBITMAP copyImage(HBITMAP from) {
    HBITMAP to = blankImage();
    if (!to) return nullptr;
    BitmapDc src(from), dst(to);
    BitBlt(dst.get(), 0, 0, ld::Width, ld::Height, src.get(), 0, 0, SRCCOPY);
    return to;
}

void drawArrows(HDC dc, int parameter, COLORREF colour) {
    Selected pen(dc, CreatePen(PS_SOLID, 1, colour));
    Selected brush(dc, CreateSolidBrush(colour));
    for (const ld::Arrow& a : ld::arrowsOf(parameter)) {
        ld::Point e = a.end();
        MoveToEx(dc, a.start.x, a.start.y, nullptr);
        LineTo(dc, e.x, e.y);
        auto h = a.head();
        POINT head[3] = {{h[0].x, h[0].y}, {h[1].x, h[1].y}, {h[2].x, h[2].y}};
        Polygon(dc, head, 3);
    }
}

void deleteBitmap(HBITMAP& b) {
    if (b) DeleteObject(b);
    b = nullptr;
}

} // namespace

DialogLayout::DialogLayout(HWND parent, HWND editor) : editor_(editor) {
    create(nullptr, VEXA_LANG_DIALOG_LAYOUT, parent);
    if (changed_ && IsWindow(editor_)) SetFocus(editor_);
}

DialogLayout::~DialogLayout() {
    deleteBitmap(shown_);
    deleteBitmap(base_);
}

bool DialogLayout::checked(int id) const { return IsDlgButtonChecked(handle(), id) == BST_CHECKED; }

INT_PTR DialogLayout::onInitDialog() {
    buildDiagram();
    initialise();
    return TRUE;
}

void DialogLayout::initialise() {
    HWND d = handle();
    loadPresets();
    filling_ = true;
    for (int i = 0; i < pl::ParameterCount; ++i) {
        SendDlgItemMessageW(d, valueId(i), EM_LIMITTEXT, ValueLimit, 0);
        setItemText(valueId(i), L"");
        CheckDlgButton(d, checkId(i), BST_UNCHECKED);
    }
    WindowEditor editor(editor_);
    scan_ = editor.exists() ? pl::scan(editor) : pl::Scan{};
    for (int i = 0; i < pl::ParameterCount; ++i) {
        if (scan_.found[i].line < 0) continue;
        setItemText(valueId(i), wide::w(scan_.found[i].value));
        CheckDlgButton(d, checkId(i), BST_CHECKED);
    }
    filling_ = false;
    // The comment only goes after lines of a new block.
    EnableWindow(item(VEXA_IDC_LAYOUT_COMMENT), scan_.any() ? FALSE : TRUE);
    CSetting* s = app::settings();
    bool comment = !s || s->readInt(keys::Section, keys::Comment, 1) != 0;
    CheckDlgButton(d, VEXA_IDC_LAYOUT_COMMENT, comment ? BST_CHECKED : BST_UNCHECKED);
}

void DialogLayout::loadPresets() {
    std::vector<u16> configured;
    for (int i = 0; i < MaxDefaultPresets; ++i) configured.push_back(wide::u(lang::config(cfgid::LayoutPresets + i)));
    std::vector<u16> defaults = pl::defaultPresets(configured);
    CSetting* s = app::settings();
    presets_ = s ? s->readStringList(keys::Section, defaults) : defaults;
    HWND combo = item(VEXA_IDC_LAYOUT_PRESETS);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < presets_.size(); ++i) {
        std::wstring name = wide::w(pl::parsePreset(presets_[i]).name);
        LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (at >= 0) SendMessageW(combo, CB_SETITEMDATA, at, static_cast<LPARAM>(i));
    }
    int history = s ? s->readInt(keys::Section, keys::History, 0) : 0;
    SendMessageW(combo, CB_SETCURSEL, history >= 0 && history < static_cast<int>(presets_.size()) ? history : -1, 0);
    presetsChanged_ = false;
}

void DialogLayout::buildDiagram() {
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageW(instance(), MAKEINTRESOURCEW(IDB_PAGE_LAYOUT), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!picture) return;   // no diagram; the boxes still work
    base_ = copyImage(picture);
    DeleteObject(picture);
    if (!base_) return;
    BitmapDc dc(base_);
    for (int i = 0; i < pl::ParameterCount; ++i) drawArrows(dc.get(), i, ArrowColour);
    Selected font(dc.get(), CreateFontW(-LabelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, lang::message(msgid::LayoutLabelFont)));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    for (int i = 0; i < pl::ParameterCount; ++i) {
        std::wstring label = wide::w(pl::Parameters[i].label);
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), label.c_str(), static_cast<int>(label.size()), &size);
        ld::Point at = ld::labelPoint(i);
        int left = at.x - size.cx / 2;
        TextOutW(dc.get(), left, at.y, label.c_str(), static_cast<int>(label.size()));
        labels_.set(i, {left, at.y, left + size.cx, at.y + size.cy});
    }
    RECT client{}, comment{};
    GetClientRect(handle(), &client);
    GetWindowRect(item(VEXA_IDC_LAYOUT_COMMENT), &comment);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&comment), 2);
    diagram_.right = client.right - Gap;
    diagram_.left = diagram_.right - ld::Width;
    diagram_.bottom = comment.top - Gap;
    diagram_.top = diagram_.bottom - ld::Height;
}

void DialogLayout::showDiagram(int parameter) {
    if (parameter == red_ || !base_) return;
    red_ = parameter;
    deleteBitmap(shown_);
    if (parameter >= 0 && (shown_ = copyImage(base_))) {
        BitmapDc dc(shown_);
        drawArrows(dc.get(), parameter, FocusColour);
    }
    InvalidateRect(handle(), &diagram_, FALSE);
}

void DialogLayout::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle(), &ps);
    if (HBITMAP image = shown_ ? shown_ : base_) {
        BitmapDc src(image);
        BitBlt(dc, diagram_.left, diagram_.top, ld::Width, ld::Height, src.get(), 0, 0, SRCCOPY);
    }
    EndPaint(handle(), &ps);
}

int DialogLayout::labelAt(POINT p) const {
    if (!base_) return -1;
    return labels_.at({p.x - diagram_.left, p.y - diagram_.top});
}

void DialogLayout::onLButtonDown(UINT, int x, int y) {
    int p = labelAt(POINT{x, y});
    if (p >= 0) SetFocus(item(valueId(p)));
}

INT_PTR DialogLayout::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETCURSOR || reinterpret_cast<HWND>(wParam) != handle() || LOWORD(lParam) != HTCLIENT)
        return 0;
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(handle(), &p);
    SetCursor(LoadCursorW(nullptr, labelAt(p) >= 0 ? IDC_HAND : IDC_ARROW));
    SetWindowLongPtrW(handle(), DWLP_MSGRESULT, TRUE);
    return TRUE;
}

INT_PTR DialogLayout::onCommand(WORD id, WORD code, HWND) {
    int parameter = parameterOfControl(id);
    if (parameter >= 0) {
        bool isValue = id == valueId(parameter);
        if (code == EN_SETFOCUS || code == BN_SETFOCUS) showDiagram(parameter);
        if (isValue && code == EN_CHANGE && !filling_)
            CheckDlgButton(handle(), checkId(parameter),
                           GetWindowTextLengthW(item(id)) > 0 ? BST_CHECKED : BST_UNCHECKED);
        return 1;
    }
    showDiagram(-1);
    switch (id) {
    case IDOK: accept(); return 1;
    case IDCANCEL: finish(); return 1;
    case VEXA_IDC_LAYOUT_APPLY: applyPreset(); return 1;
    case VEXA_IDC_LAYOUT_MANAGE: managePresets(); return 1;
    case VEXA_IDC_LAYOUT_LAST: recallLast(); return 1;
    case VEXA_IDC_LAYOUT_RESET: reset(); return 1;
    case VEXA_IDC_LAYOUT_CHECK_ALL: checkAll(true); return 1;
    case VEXA_IDC_LAYOUT_UNCHECK_ALL: checkAll(false); return 1;
    case VEXA_IDC_LAYOUT_HELP: showHelpTopic(instance(), cfgid::HelpLayout); return 1;
    default: return 0;
    }
}

void DialogLayout::setValues(const pl::Values& values, bool checkNonEmpty) {
    filling_ = true;
    for (int i = 0; i < pl::ParameterCount; ++i) {
        setItemText(valueId(i), wide::w(values[i]));
        if (checkNonEmpty) CheckDlgButton(handle(), checkId(i), values[i].empty() ? BST_UNCHECKED : BST_CHECKED);
    }
    filling_ = false;
}

pl::Entries DialogLayout::entries() const {
    pl::Entries e;
    for (int i = 0; i < pl::ParameterCount; ++i) e[i] = {checked(checkId(i)), wide::u(itemText(valueId(i)).c_str())};
    return e;
}

void DialogLayout::accept() {
    pl::Entries e = entries();
    std::array<u16, pl::ParameterCount> descriptions;
    for (int i = 0; i < pl::ParameterCount; ++i) descriptions[i] = lang::text(pl::Parameters[i].description);
    WindowEditor editor(editor_);
    if (!editor.exists()) return;
    changed_ = pl::apply(editor, scan_, e, checked(VEXA_IDC_LAYOUT_COMMENT), descriptions);
    if (!changed_) return;   // nothing to do: the user may still change something
    last_ = pl::composeLast(e);
    finish();
}

void DialogLayout::finish() {
    CSetting* s = app::settings();
    bool saved = false;
    if (presetsChanged_ && lang::messageBox(handle(), msgid::LayoutAskSavePresets, msgid::CaptionQuestion,
                                            MB_YESNO | MB_ICONQUESTION) == IDYES)
        saved = savePresets();
    if (s) {
        s->beginBatch();
        // Written after the presets: saving them starts the section afresh.
        if (!last_.empty()) s->writeString(keys::Section, keys::Last, last_.c_str());
        s->writeInt(keys::Section, keys::Comment, checked(VEXA_IDC_LAYOUT_COMMENT) ? 1 : 0);
        if (saved || !presetsChanged_) {
            LRESULT sel = SendDlgItemMessageW(handle(), VEXA_IDC_LAYOUT_PRESETS, CB_GETCURSEL, 0, 0);
            s->writeInt(keys::Section, keys::History, sel >= 0 ? static_cast<int32_t>(sel) : 0);
        }
        s->endBatch();
    }
    close(changed_ ? IDOK : IDCANCEL);
}

bool DialogLayout::savePresets() {
    CSetting* s = app::settings();
    if (!s) return false;
    HWND combo = item(VEXA_IDC_LAYOUT_PRESETS);
    std::vector<u16> list;
    bool damaged = false;
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT index = SendMessageW(combo, CB_GETITEMDATA, i, 0);
        if (index < 0 || index >= static_cast<LRESULT>(presets_.size())) {
            damaged = true;
            continue;
        }
        list.push_back(presets_[index]);
    }
    if (damaged) lang::messageBox(handle(), msgid::LayoutPresetInvalid, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    s->beginBatch();
    s->deleteSection(keys::Section);
    s->writeStringList(keys::Section, list);
    s->endBatch();
    return true;
}

int DialogLayout::selectedPreset() const {
    HWND combo = item(VEXA_IDC_LAYOUT_PRESETS);
    LRESULT sel = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (sel < 0) return -1;
    LRESULT index = SendMessageW(combo, CB_GETITEMDATA, sel, 0);
    return index >= 0 && index < static_cast<LRESULT>(presets_.size()) ? static_cast<int>(index) : -1;
}

void DialogLayout::applyPreset() {
    int sel = selectedPreset();
    if (sel >= 0) setValues(pl::parsePreset(presets_[sel]).values, false);
}

void DialogLayout::managePresets() {
    int sel = selectedPreset();
    std::wstring name = sel >= 0 ? wide::w(pl::parsePreset(presets_[sel]).name) : std::wstring();
    LRESULT count = SendDlgItemMessageW(handle(), VEXA_IDC_LAYOUT_PRESETS, CB_GETCOUNT, 0, 0);
    DialogSetComment chosen(handle(), name, sel >= 0, static_cast<int>(count));
    pl::Preset current;
    for (int i = 0; i < pl::ParameterCount; ++i) current.values[i] = wide::u(itemText(valueId(i)).c_str());
    HWND combo = item(VEXA_IDC_LAYOUT_PRESETS);
    LRESULT at = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    switch (chosen.action()) {
    case DialogSetComment::Overwrite:
    case DialogSetComment::Rename: {
        if (sel < 0) return;
        bool rename = chosen.action() == DialogSetComment::Rename;
        current.name = rename ? wide::u(chosen.name().c_str()) : pl::parsePreset(presets_[sel]).name;
        presets_[sel] = pl::composePreset(current);
        if (rename) {
            std::wstring shown = wide::w(current.name);
            SendMessageW(combo, CB_DELETESTRING, at, 0);
            SendMessageW(combo, CB_INSERTSTRING, at, reinterpret_cast<LPARAM>(shown.c_str()));
            SendMessageW(combo, CB_SETITEMDATA, at, static_cast<LPARAM>(sel));
            SendMessageW(combo, CB_SETCURSEL, at, 0);
        }
        break;
    }
    case DialogSetComment::Add: {
        if (static_cast<size_t>(count) >= pl::MaxPresetsAdded) {
            lang::messageBox(handle(), msgid::LayoutPresetsFull, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
            return;
        }
        current.name = wide::u(chosen.name().c_str());
        presets_.push_back(pl::composePreset(current));
        std::wstring shown = wide::w(current.name);
        LRESULT added = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
        if (added < 0) return;
        SendMessageW(combo, CB_SETITEMDATA, added, static_cast<LPARAM>(presets_.size() - 1));
        SendMessageW(combo, CB_SETCURSEL, added, 0);
        break;
    }
    case DialogSetComment::Delete:
        if (sel < 0 || !lang::ask(handle(), msgid::LayoutAskDeletePreset)) return;
        // The stored entry stays; only the combo box's order is saved.
        SendMessageW(combo, CB_DELETESTRING, at, 0);
        break;
    default: return;
    }
    presetsChanged_ = true;
}

void DialogLayout::recallLast() {
    if (!lang::ask(handle(), msgid::LayoutAskLast)) return;
    CSetting* s = app::settings();
    if (!s) return;
    const char16_t* stored = s->readString(keys::Section, keys::Last, std::u16string(pl::ParameterCount - 1, u'\t').c_str());
    setValues(pl::parseValues(stored ? stored : u""), true);
}

void DialogLayout::reset() {
    if (!lang::ask(handle(), msgid::LayoutAskReset)) return;
    if (CSetting* s = app::settings()) s->deleteSection(keys::Section);
    last_.clear();
    initialise();
}

void DialogLayout::checkAll(bool on) {
    for (int i = 0; i < pl::ParameterCount; ++i) CheckDlgButton(handle(), checkId(i), on ? BST_CHECKED : BST_UNCHECKED);
}
