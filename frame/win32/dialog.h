// Dialog objects: each dialog window is bound to its object through the
// window property "Vexa_Dlg_Prop", and its messages become virtual calls.
// The object exists before its window and after it; handle() is null
// outside that span.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND handle() const { return window_; }
    HINSTANCE instance() const { return instance_; }

    // Controls by identifier.
    HWND item(int id) const;
    void setItemText(int id, const std::wstring& text) const;
    std::wstring itemText(int id) const;

    // Message handlers, in this order; a handler left alone does nothing.
    virtual INT_PTR onInitDialog();                                   // WM_INITDIALOG: 1
    virtual void onDestroy();                                         // WM_DESTROY
    virtual INT_PTR onCommand(WORD id, WORD code, HWND control);      // WM_COMMAND: 0
    virtual void onPaint();                                           // WM_PAINT
    virtual INT_PTR onNotify(NMHDR* header);                          // WM_NOTIFY: 0
    virtual void onTimer(UINT_PTR id);                                // WM_TIMER
    virtual void onSize(UINT type, int width, int height);            // WM_SIZE
    virtual void onGetMinMaxInfo(MINMAXINFO* info);                   // WM_GETMINMAXINFO
    virtual INT_PTR onCtlColorButton(HDC dc, HWND control);           // 0 for all six
    virtual INT_PTR onCtlColorDialog(HDC dc, HWND control);
    virtual INT_PTR onCtlColorEdit(HDC dc, HWND control);
    virtual INT_PTR onCtlColorListBox(HDC dc, HWND control);
    virtual INT_PTR onCtlColorScrollBar(HDC dc, HWND control);
    virtual INT_PTR onCtlColorStatic(HDC dc, HWND control);
    virtual void onMouseMove(UINT keys, int x, int y);
    virtual void onLButtonDown(UINT keys, int x, int y);
    virtual void onLButtonUp(UINT keys, int x, int y);
    virtual void onHelp(HELPINFO* info);                              // the procedure answers 1
    virtual INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);   // 0

protected:
    Dialog() = default;
    // Not virtual here: the kinds below add the virtual destructor, and no
    // one deletes through a bare Dialog.
    ~Dialog() = default;

    // Shared by the procedures of every kind.
    static Dialog* bound(HWND window);
    bool bind(HWND window);            // false when the property cannot be set
    void unbind();                     // WM_DESTROY: handler, then forget the window
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND window_ = nullptr;            // not owned: the kinds below end it
    HINSTANCE instance_ = nullptr;     // the plug-in's, set at initialization
};

// A dialog run in its own message loop. Derived dialogs run it from their
// constructor and leave their results in members for the caller.
class DialogModal : public Dialog {
public:
    virtual ~DialogModal();            // ends a still running dialog with 0
    // Ends the dialog; create() then returns result.
    virtual void close(INT_PTR result);
    // Runs template templateId from instance (null: the language library)
    // over parent. −1 when this object's window already exists or the
    // template is missing. A run ended by an exception returns 0.
    virtual INT_PTR create(HINSTANCE instance, int templateId, HWND parent);

protected:
    DialogModal() = default;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Ends the run after a handler threw; the text (if any) is shown once
    // the dialog is gone.
    void abandon(const std::wstring* text);

    HWND parent_ = nullptr;            // not owned; owner of the warning box
    bool abandoned_ = false;
    std::wstring warning_;             // thrown text waiting to be shown
};

// A dialog that lives in the host's message loop until closed.
class DialogModeless : public Dialog {
public:
    virtual ~DialogModeless();         // destroys a still existing window
    virtual void close(INT_PTR result);   // destroys the window
    // Creates template templateId from instance (null: the language library)
    // under parent; true when the window exists afterwards.
    virtual bool create(HINSTANCE instance, int templateId, HWND parent);

protected:
    DialogModeless() = default;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND parent_ = nullptr;            // not owned
};

// A page of a property sheet. The sheet creates the window from the record
// this fills in.
class PropertyDialog : public Dialog {
public:
    // Fills page for template templateId of instance (null: the language
    // library); false when there is no such template.
    virtual bool fillPage(PROPSHEETPAGEW& page, HINSTANCE instance, int templateId);
    virtual ~PropertyDialog() = default;

protected:
    PropertyDialog() = default;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Where a dialog's template comes from: the given instance, else the
// language library. Null when neither is there or it lacks the template.
HINSTANCE dialogTemplateSource(HINSTANCE instance, int templateId);
