#include "frame/jump.h"
#include "frame/host_messages.h"
#include "tests/support/memory_editor.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A host with three documents (handles 11, 12, 13) that records the order
// of the messages a jump sends.
class MultiDocEditor : public MemoryEditor {
public:
    MultiDocEditor() : MemoryEditor(text()) {}
    static u16 text() {
        u16 t;
        for (int i = 0; i < 40; ++i) t += u"line\r\n";
        return t;
    }
    std::vector<int32_t> handles{11, 12, 13};
    int32_t active = 0;
    std::vector<std::string> log;

    intptr_t GetDocumentInfo(uint32_t sub, int32_t indexPlus1, intptr_t lParam) override {
        switch (sub) {
        case hostmsg::DocCount: return static_cast<intptr_t>(handles.size());
        case hostmsg::DocHandle: return lParam >= 0 && lParam < intptr_t(handles.size()) ? handles[lParam] : 0;
        case hostmsg::DocIndexOfHandle:
            log.push_back("index");
            for (size_t i = 0; i < handles.size(); ++i)
                if (handles[i] == lParam) return static_cast<intptr_t>(i);
            return -1;
        case hostmsg::DocActiveIndex: return active;
        case hostmsg::DocActivate:
            log.push_back("activate " + std::to_string(indexPlus1));
            active = indexPlus1 - 1;
            return 1;
        default: return 0;
        }
    }
    Position LogicalToViewPos(Position p) override {
        log.push_back("view");
        return Position{p.x, p.y + 2}; // pretend two wrapped lines above
    }
    void SetScrollPos(Position p) override {
        log.push_back("scroll");
        MemoryEditor::SetScrollPos(p);
    }
    void SetCaretPos(PosKind k, Position p) override {
        log.push_back(k == PosKind::Logical ? "caret logical" : "caret view");
        MemoryEditor::SetCaretPos(k, p);
    }
};

TEST(Jump, ActivatesTheDocumentThenScrollsAndPlacesTheCaret) {
    MultiDocEditor e;
    jump::jumpTo(e, Position{2, 20}, 13);
    std::vector<std::string> want{"index", "activate 3", "view", "scroll", "caret logical"};
    EXPECT_EQ(e.log, want);
    EXPECT_EQ(e.active, 2);
    EXPECT_EQ(e.GetScrollPos(), (Position{0, 17})); // view line 22 minus five
    EXPECT_EQ(e.caret(), (Position{2, 20}));
}

TEST(Jump, NearTheTopScrollsToTheFirstLine) {
    MultiDocEditor e;
    jump::jumpTo(e, Position{0, 1}, std::nullopt);
    EXPECT_EQ(e.GetScrollPos(), (Position{0, 0}));
    EXPECT_EQ(e.caret(), (Position{0, 1}));
    EXPECT_EQ(e.log.front(), "view"); // no document given: none activated
}

TEST(Jump, AClosedDocumentIsNotActivated) {
    MultiDocEditor e;
    e.active = 1;
    jump::jumpTo(e, Position{0, 3}, 99);
    EXPECT_EQ(e.active, 1);
    EXPECT_EQ(e.caret(), (Position{0, 3}));
}

TEST(Jump, ActiveDocumentAndMembership) {
    MultiDocEditor e;
    e.active = 1;
    EXPECT_EQ(jump::activeDocument(e), 12);
    EXPECT_TRUE(jump::holdsDocument(e, 13));
    EXPECT_FALSE(jump::holdsDocument(e, 14));
    e.handles.clear();
    EXPECT_FALSE(jump::holdsDocument(e, 11));
}

} // namespace
