// The document class dialog (command 41001): writes the \documentclass line.
// A document without one gets a whole skeleton (class line, title lines,
// \begin{document} ... \end{document}); a document whose first 300 lines
// hold one shows that line's class and options and has only the line
// rewritten. Named presets of class and options are kept in the settings.
#pragma once
#include "dialogs/document_class.h"
#include "frame/win32/dialog.h"

#include <vector>

class DialogDocumentclass : public DialogModal {
public:
    // Runs at once over parent for the document in editor.
    DialogDocumentclass(HWND parent, HWND editor);
    ~DialogDocumentclass() override = default;
    bool inserted() const { return inserted_; }

    INT_PTR onInitDialog() override;
    INT_PTR onCommand(WORD id, WORD code, HWND control) override;

private:
    // Fills every control from the settings and the document; false when
    // the preset list could not be filled.
    bool load();
    bool fillPresets();
    void findClassLine();
    void show(const doc_class::ClassChoice& c);
    doc_class::ClassChoice choice() const;
    void choosePreset();
    void managePresets();
    void addPreset(const std::wstring& name);
    void deletePreset(int index);
    void resetPresets();
    void loadLast(bool ask);
    void enableTitle();
    void accept();
    void insert(const doc_class::ClassChoice& c);
    // Asks whether changed presets are kept and writes them on Yes; false
    // when the user declined.
    bool savePresets();
    void saveChoices(bool presetsSaved);

    HWND editor_;                              // not owned: the host's editor window
    std::vector<doc_class::Preset> presets_;   // in list order; an entry's data is its index here
    int classLine_ = -1;                       // line of the document's class line, -1 for a new document
    size_t classLength_ = 0;                   // characters of that line the class command takes
    bool modified_ = false;                    // presets added, renamed, overwritten or deleted
    bool inserted_ = false;
};
