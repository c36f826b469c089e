#include "outline/outline_tree.h"

#include <array>

namespace outline_tree {

namespace {

namespace kind = outline_kind;

// Sectioning level of a kind bit: 0 part .. 6 subparagraph; -1 otherwise.
int32_t levelOf(int32_t k) {
    for (int32_t level = 0; level < 7; ++level)
        if (k == (1 << level)) return level;
    return -1;
}

class Builder {
public:
    Builder(const std::vector<OutlineItem>& items, const std::vector<OutlineFile>& files, Mode mode)
        : items_(items), files_(files), mode_(mode) {}

    Tree run(int32_t mask) {
        document_ = add(-1, text::Document, image::Document);
        if (mode_ != Mode::UnderHeading) labels_ = add(-1, text::Labels, image::Labels);
        bibliography_ = add(-1, text::Bibliography, image::Bibliography);
        if (mode_ == Mode::ByClass) {
            headingLabels_ = add(labels_, text::Document, image::HeadingLabels);
            equations_ = add(labels_, text::EquationLabels, image::EquationLabels);
            figures_ = add(labels_, text::FigureLabels, image::FigureLabels);
            tables_ = add(labels_, text::TableLabels, image::TableLabels);
            itemLabels_ = add(labels_, text::ItemLabels, image::ItemLabels);
            others_ = add(labels_, text::OtherLabels, image::OtherLabels);
        }
        fileParents_.push_back(add(-1, text::Files, image::Files));
        heading_ = document_;

        for (size_t i = 0; i < items_.size(); ++i) {
            const OutlineItem& item = items_[i];
            if (!(item.kind & mask)) continue;
            if (!place(item, static_cast<int32_t>(i))) {
                tree_.outcome = Outcome::FileTooDeep;
                break;
            }
        }
        tree_.selected = document_;
        return std::move(tree_);
    }

private:
    int32_t add(int32_t parent, uint32_t textId, int32_t image, u16 name = {}, int32_t item = -1) {
        Node n;
        n.parent = parent;
        n.textId = textId;
        n.text = textId ? u16() : std::move(name);
        if (n.text.size() > MaxNodeText) n.text.resize(MaxNodeText);
        n.image = image;
        n.item = item;
        n.depth = parent < 0 ? 1 : tree_.nodes[parent].depth + 1;
        auto index = static_cast<int32_t>(tree_.nodes.size());
        tree_.nodes.push_back(std::move(n));
        (parent < 0 ? tree_.roots : tree_.nodes[parent].children).push_back(index);
        return index;
    }

    // The node that headings of level hold on to, making placeholders
    // upwards as far as levels are missing.
    int32_t parentFor(int32_t level) {
        if (level == 0) return document_;
        int32_t& above = last_[level - 1];
        if (above < 0) {
            int32_t parent = parentFor(level - 1);
            above = add(parent, text::Placeholder, kind::imageIndex(1 << (level - 1), true));
        }
        return above;
    }

    int32_t labelParent(int32_t k) const {
        switch (mode_) {
        case Mode::OneGroup: return labels_;
        case Mode::UnderHeading: return heading_;
        case Mode::ByClass: break;
        }
        switch (k) {
        case kind::EquationLabel: return equations_;
        case kind::FigureLabel: return figures_;
        case kind::TableLabel: return tables_;
        case kind::ItemLabel: return itemLabels_;
        case kind::OtherLabel: return others_;
        default: return headingLabels_;
        }
    }

    bool place(const OutlineItem& item, int32_t index) {
        const bool current = item.file == outline_file::Current;
        if (int32_t level = levelOf(item.kind); level >= 0) {
            int32_t node = add(parentFor(level), 0, kind::imageIndex(item.kind, current), item.name, index);
            if (level < static_cast<int32_t>(last_.size())) last_[level] = node;
            for (size_t deeper = level + 1; deeper < last_.size(); ++deeper) last_[deeper] = -1;
            heading_ = node;
        } else if (item.kind & kind::Labels) {
            add(labelParent(item.kind), 0, kind::imageIndex(item.kind, current), item.name, index);
        } else if (item.kind & (kind::BibItem | kind::DatabaseEntry)) {
            add(bibliography_, 0, kind::imageIndex(item.kind, current), item.name, index);
        } else if (item.kind == kind::File) {
            return placeFile(item, index);
        }
        return true;
    }

    bool placeFile(const OutlineItem& item, int32_t index) {
        if (item.file < 0 || item.file >= static_cast<int32_t>(files_.size())) return true;
        const OutlineFile& file = files_[item.file];
        if (file.depth < 0 || file.depth >= static_cast<int32_t>(fileParents_.size())) return false;
        const bool current = file.isCurrent != 0;
        uint32_t unnamed = current ? text::CurrentFileUnnamed : text::OtherFileUnnamed;
        int32_t node = add(fileParents_[file.depth], item.name.empty() ? unnamed : 0,
                           current ? image::CurrentFile : image::OtherFile, item.name, index);
        // Files included from this one nest under it; a later file of the
        // same depth or shallower starts a new branch.
        fileParents_.resize(file.depth + 2);
        fileParents_[file.depth + 1] = node;
        return true;
    }

    const std::vector<OutlineItem>& items_;
    const std::vector<OutlineFile>& files_;
    const Mode mode_;
    Tree tree_;
    int32_t document_ = -1, labels_ = -1, bibliography_ = -1;
    int32_t headingLabels_ = -1, equations_ = -1, figures_ = -1, tables_ = -1, itemLabels_ = -1, others_ = -1;
    std::array<int32_t, 6> last_{-1, -1, -1, -1, -1, -1};   // last part .. paragraph node
    int32_t heading_ = -1;
    std::vector<int32_t> fileParents_;
};

} // namespace

Mode modeFromSetting(int32_t stored) {
    return stored == 1 ? Mode::ByClass : stored == 2 ? Mode::UnderHeading : Mode::OneGroup;
}

Tree build(const std::vector<OutlineItem>& items, const std::vector<OutlineFile>& files, Mode mode, int32_t mask) {
    return Builder(items, files, mode).run(mask);
}

std::vector<bool> expandedTo(const Tree& tree, int32_t depth) {
    std::vector<bool> out(tree.nodes.size());
    for (size_t i = 0; i < tree.nodes.size(); ++i) out[i] = tree.nodes[i].depth <= depth;
    return out;
}

} // namespace outline_tree
