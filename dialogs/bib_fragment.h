// The bibliography skeleton dialog's output and the reference / citation
// dialog's inserted text.
#pragma once
#include "dialogs/fragment.h"

#include <cstdint>
#include <vector>

namespace bib {

// ---- thebibliography skeleton ----------------------------------------------

struct Choices {
    bool environment = true;
    u16 widestLabel = u"3";
    u16 count = u"3";
    bool keyOnly = true;  // \bibitem{} instead of \bibitem[]{}
};

// More than 9999 items are refused (the dialog shows its message).
bool countAccepted(u16view countText);
Fragment buildSkeleton(const Choices& c);
// Records of 3 characters or fewer are replaced by the defaults.
Choices parse(u16view stored);
u16 compose(const Choices& c);

// ---- \ref / \pageref / \eqref / \cite ---------------------------------------

enum class RefKind : int { Ref = 0, PageRef = 1, EqRef = 2 };

// "\cite{" in citation mode, else the reference command of the kind.
u16 opening(bool citation, RefKind kind);

// A selected row of the citation list: its key and its place in the
// document (the scan's sequence number).
struct SelectedKey {
    uint32_t sequence;
    u16 name;
};
// The keys in document order joined by "," without spaces, cut to 520
// characters (never between the halves of a surrogate pair).
u16 joinKeys(std::vector<SelectedKey> keys);

// The text box holds 262 characters or more: the dialog refuses it.
bool insertTextTooLong(u16view text);

// An empty text leaves the caret between the braces (wrap mode); otherwise
// the whole command replaces the selection.
struct Insertion {
    Fragment fragment;
    bool replaceSelection;
};
Insertion refInsertion(bool citation, RefKind kind, u16view text);

} // namespace bib
