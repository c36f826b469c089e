// The two root file dialogs. DialogRoot (command 41115) writes a "%Root "
// line into the document; DialogRootLock hands a chosen path back to the
// lock menu. Both show the path in one of three forms (name only, relative
// to the document, absolute) and can propose the current file or browse.
#pragma once
#include "base/text.h"
#include "frame/win32/dialog.h"
#include "make/root_form.h"

#include <string>

class DialogRootCommon : public DialogModal {
public:
    ~DialogRootCommon() override = default;

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

protected:
    explicit DialogRootCommon(HWND editor);
    // Runs the dialog; the derived constructors call it once they exist.
    INT_PTR run(HWND parent);

    virtual uint32_t titleId() const = 0;
    virtual root_form::Form initialForm() const = 0;
    virtual bool automatic() const { return false; }
    // OK with a path that passed the checks; the derived dialog acts on it.
    virtual void accept(const u16& path) = 0;

    HWND editor() const { return editor_; }
    // The root the document resolves to now (not for make), or empty.
    u16 resolvedRoot() const;

private:
    root_form::Form selectedForm() const;
    void selectForm(root_form::Form form);
    void storeForm() const;
    void useFile(bool browse);
    void render();
    void confirm();
    bool browseFor(u16& chosen) const;

    HWND editor_;          // not owned: the host's editor window
    u16 current_;          // the document's path, empty while unsaved
    u16 remembered_;       // full path of the last proposed or browsed file
    bool filling_ = false; // our own edit changes do not forget remembered_
};

class DialogRoot : public DialogRootCommon {
public:
    // Runs at once over parent for the document in editor.
    DialogRoot(HWND parent, HWND editor);
    ~DialogRoot() override = default;
    bool written() const { return written_; }
    INT_PTR result() const { return result_; }

protected:
    uint32_t titleId() const override;
    root_form::Form initialForm() const override;
    void accept(const u16& path) override;

private:
    bool written_ = false;
    INT_PTR result_ = 0;
};

class DialogRootLock : public DialogRootCommon {
public:
    // Runs at once. automaticMode: proposes the current file in form and
    // takes it without waiting for the user.
    DialogRootLock(HWND parent, HWND editor, root_form::Form form, bool automaticMode);
    ~DialogRootLock() override = default;
    bool accepted() const { return accepted_; }
    const u16& chosen() const { return chosen_; }   // empty unless accepted

protected:
    uint32_t titleId() const override;
    root_form::Form initialForm() const override { return form_; }
    bool automatic() const override { return automatic_; }
    void accept(const u16& path) override;

private:
    root_form::Form form_;
    bool automatic_;
    bool accepted_ = false;
    u16 chosen_;
};
