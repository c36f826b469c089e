// Window objects for the plug-in's own top-level windows: bound to their
// window through the property "Vexa_Wnd_Prop", messages become virtual
// calls. Handlers that return nothing let the default window procedure run
// afterwards.
#pragma once
#include <windows.h>
#include <commctrl.h>

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return window_; }
    HINSTANCE instance() const { return instance_; }

    // Registers a window class whose windows are routed to their objects.
    static bool registerClass(HINSTANCE instance, const wchar_t* className, UINT style = 0,
                              HCURSOR cursor = nullptr, HBRUSH background = nullptr);
    // Creates the window bound to this object; false when it was refused.
    bool create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu, HINSTANCE instance);

    // Message handlers, in this order.
    virtual LRESULT onCreate(CREATESTRUCTW* create);     // −1 refuses the window
    virtual void onDestroy();
    virtual void onTimer(UINT_PTR id);
    virtual void onGetMinMaxInfo(MINMAXINFO* info);
    virtual void onSize(UINT type, int width, int height);
    virtual LRESULT onCommand(WORD id, WORD code, HWND control);
    virtual void onSysCommand(WPARAM wParam, LPARAM lParam);   // the procedure then answers 0
    virtual void onMenuSelect(UINT item, UINT flags, HMENU menu);
    virtual LRESULT onNotify(NMHDR* header);
    virtual void onMeasureItem(UINT id, MEASUREITEMSTRUCT* item);
    virtual void onDrawItem(UINT id, DRAWITEMSTRUCT* item);
    virtual LRESULT onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Destroys the window if it still exists (derived onDestroy no longer
    // runs then: derived classes destroy their window in their own
    // destructor when they need it).
    virtual ~Window();

protected:
    Window() = default;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;            // owned: destroyed with the object
    HINSTANCE instance_ = nullptr;     // the plug-in's, set at creation
};
