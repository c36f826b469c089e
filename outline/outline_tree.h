// The outline window's tree as plain data: which node goes under which,
// with what text and image, built in one pass over a scan's item list.
// The window copies it into its tree control node by node; keeping the
// shape here lets the placement rules run without a window.
#pragma once
#include "base/text.h"
#include "frame/message_ids.h"
#include "outline/outline_items.h"

#include <cstdint>
#include <vector>

namespace outline_tree {

// Where labels go.
enum class Mode : int32_t {
    OneGroup = 0,       // every label in one "labels" node
    ByClass = 1,        // labels grouped by class
    UnderHeading = 2,   // each label under the heading before it
};
// A stored mode outside 0..2 counts as 0.
Mode modeFromSetting(int32_t stored);

// Texts of the fixed nodes, looked up in the language library.
namespace text {
constexpr uint32_t Document = msgid::OutlineDocumentNode;   // also the heading-labels group
constexpr uint32_t Labels = msgid::OutlineLabelsNode;
constexpr uint32_t Bibliography = msgid::OutlineBibliographyNode;
constexpr uint32_t EquationLabels = msgid::OutlineEquationLabels;
constexpr uint32_t FigureLabels = msgid::OutlineFigureLabels;
constexpr uint32_t TableLabels = msgid::OutlineTableLabels;
constexpr uint32_t ItemLabels = msgid::OutlineItemLabels;
constexpr uint32_t OtherLabels = msgid::OutlineOtherLabels;
constexpr uint32_t Files = msgid::OutlineFilesNode;
constexpr uint32_t CurrentFileUnnamed = msgid::OutlineCurrentUnnamed;
constexpr uint32_t OtherFileUnnamed = msgid::OutlineOtherUnnamed;
constexpr uint32_t Placeholder = msgid::OutlinePlaceholder;
} // namespace text

// Images of the fixed nodes in the outline image strip.
namespace image {
constexpr int32_t Document = 0;
constexpr int32_t Labels = 15;
constexpr int32_t HeadingLabels = 16;
constexpr int32_t EquationLabels = 31;
constexpr int32_t FigureLabels = 33;
constexpr int32_t TableLabels = 35;
constexpr int32_t ItemLabels = 37;
constexpr int32_t OtherLabels = 39;
constexpr int32_t Bibliography = 43;
constexpr int32_t Files = 46;
constexpr int32_t CurrentFile = 47;
constexpr int32_t OtherFile = 48;
} // namespace image

// Longest node text; longer item names are cut.
constexpr size_t MaxNodeText = 512;
// Deepest expansion (command "expand all").
constexpr int32_t ExpandAllDepth = 8;

struct Node {
    int32_t parent = -1;         // node index; -1 for a top-level node
    u16 text;                    // the item's name, cut; empty when textId is set
    uint32_t textId = 0;         // language text of a fixed node, else 0
    int32_t image = 0;
    int32_t item = -1;           // index into the item list; -1 for group and placeholder nodes
    int32_t depth = 1;           // 1 for top-level nodes
    std::vector<int32_t> children;
};

enum class Outcome {
    Complete,
    // A file lies deeper than the files seen so far can hold; the tree
    // holds what was built before it.
    FileTooDeep,
};

struct Tree {
    // Parents always come before their children, so inserting the nodes
    // in this order builds the tree top-down.
    std::vector<Node> nodes;
    std::vector<int32_t> roots;  // top-level nodes, in order
    int32_t selected = -1;       // the document node once built
    Outcome outcome = Outcome::Complete;
};

// One pass over items (files: the scan's file list, for the file depths).
// Items whose kind is not in mask are left out.
Tree build(const std::vector<OutlineItem>& items, const std::vector<OutlineFile>& files, Mode mode,
           int32_t mask = outline_kind::OutlineWindow);

// For each node, whether expanding the tree to depth leaves it open.
std::vector<bool> expandedTo(const Tree& tree, int32_t depth);

} // namespace outline_tree
