#pragma once

#include "toolkit/Geometry.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace rewrix {

// Alignment flags of a popup menu call: how the menu sits against its anchor.
enum PopupMenuFlags : int {
    PopupLeftAlign = 0x0,   // left edge at the anchor
    PopupCenterAlign = 0x4, // centred on the anchor
    PopupRightAlign = 0x8,  // right edge at the anchor
    PopupTopAlign = 0x0,    // top edge at the anchor
    PopupVCenterAlign = 0x10,
    PopupBottomAlign = 0x20, // bottom edge at the anchor
};

// The top-left corner of a menu of `size` placed against `anchor` by `flags`.
Point PopupMenuTopLeft(Point anchor, Size size, int flags);

class PopupMenuItem {
public:
    explicit PopupMenuItem(QAction* action) : action_(action) {}
    QAction* action() const { return action_; }

private:
    QAction* action_;
};

// A drop-down menu a control can show. It owns its Qt menu; the window that
// builds it adds items here or through menu().
class PopupMenu {
public:
    PopupMenu();
    virtual ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    PopupMenuItem* AddItem(const QString& text, std::function<void()> onChosen = {});
    QMenu* menu() const { return menu_.get(); }

    // Shows the menu against `anchor` (screen pixels) with the alignment
    // flags, `defaultItem` in bold when given, and returns when it closes:
    // the item chosen, or null.
    virtual PopupMenuItem* Show(Point anchor, int flags, PopupMenuItem* defaultItem);

private:
    std::unique_ptr<QMenu> menu_;
    std::vector<std::unique_ptr<PopupMenuItem>> items_;
};

} // namespace rewrix
