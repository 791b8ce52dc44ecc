#include "toolkit/PopupMenu.h"

#include <QAction>
#include <QMenu>

namespace rewrix {

Point PopupMenuTopLeft(Point anchor, Size size, int flags) {
    Point p = anchor;
    if (flags & PopupRightAlign)
        p.x -= size.width;
    else if (flags & PopupCenterAlign)
        p.x -= size.width / 2;
    if (flags & PopupBottomAlign)
        p.y -= size.height;
    else if (flags & PopupVCenterAlign)
        p.y -= size.height / 2;
    return p;
}

PopupMenu::PopupMenu() : menu_(std::make_unique<QMenu>()) {}

PopupMenu::~PopupMenu() = default;

PopupMenuItem* PopupMenu::AddItem(const QString& text, std::function<void()> onChosen) {
    QAction* action = menu_->addAction(text);
    if (onChosen)
        QObject::connect(action, &QAction::triggered, action, [f = std::move(onChosen)] { f(); });
    items_.push_back(std::make_unique<PopupMenuItem>(action));
    return items_.back().get();
}

PopupMenuItem* PopupMenu::Show(Point anchor, int flags, PopupMenuItem* defaultItem) {
    menu_->setDefaultAction(defaultItem ? defaultItem->action() : nullptr);
    const QSize hint = menu_->sizeHint();
    const Point at = PopupMenuTopLeft(anchor, {hint.width(), hint.height()}, flags);
    QAction* chosen = menu_->exec(QPoint(at.x, at.y));
    for (const auto& item : items_)
        if (item->action() == chosen)
            return item.get();
    return nullptr;
}

} // namespace rewrix
