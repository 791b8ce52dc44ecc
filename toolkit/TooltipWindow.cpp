#include "toolkit/TooltipWindow.h"

#include "toolkit/ControlHost.h"
#include "toolkit/SystemColours.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace rewrix {

namespace {

constexpr int kShadow = 4;      // depth of the drop shadow
constexpr int kRectPadding = 4; // text to border, rectangular tip
constexpr int kBalloonPadding = 9;
constexpr int kBalloonRadius = 8;
constexpr int kStemHeight = 14; // the balloon's pointer
constexpr int kStemWidth = 16;
constexpr int kStemInset = 16; // from the balloon's side to the pointer's tip
constexpr int kTitleGap = 4;   // between the title line and the text
constexpr int kIconGap = 5;    // between the icon and the title
constexpr int kFallAsleepMs = 10000;
// A tip never lies under the cursor's hot spot, or the window system would
// take the cursor from the tool and the tip would close at once.
constexpr int kBelowCursor = 16;     // to the balloon's pointer
constexpr int kRectBelowCursor = 20; // to the top of a rectangular tip

QColor QColorOf(Colour c) {
    const Colour e = TranslateColour(c);
    return QColor(RedOf(e), GreenOf(e), BlueOf(e));
}

QStyle::StandardPixmap PixmapOf(int icon) {
    switch (icon) {
    case TooltipInfo:
    case 4:
        return QStyle::SP_MessageBoxInformation;
    case TooltipWarning:
    case 5:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxCritical;
    }
}

// 1 to 3 are the small title icons, 4 to 6 their large forms.
int IconSize(int icon) {
    if (icon >= 1 && icon <= 3)
        return 16;
    if (icon >= 4 && icon <= 6)
        return 32;
    return 0;
}

} // namespace

// The window itself: it lays the tip out once, shapes itself and paints.
class TooltipTip : public QWidget {
public:
    TooltipTip(QWidget* tool, const TooltipOptions& o)
        : QWidget(tool, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                            Qt::WindowTransparentForInput),
          o_(o) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setLayoutDirection(o.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        layOut();
    }

    // Where the pointer of a balloon ends, or the point a rectangular tip
    // hangs from, relative to the window.
    QPoint hotSpot() const {
        if (!o_.balloon)
            return {0, -kRectBelowCursor};
        return {o_.rightToLeft ? body_.right() + 1 - kStemInset : body_.left() + kStemInset,
                -kBelowCursor};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // Opaque shadow, darker towards the tip: no compositor is needed.
        for (int i = kShadow; i >= 1; --i) {
            const int grey = 120 + 25 * i;
            p.fillPath(shape_.translated(i, i), QColor(grey, grey, grey));
        }
        const QColor back = o_.backColour ? QColorOf(*o_.backColour)
                                          : QColorOf(SystemColourRef(ColourInfoBackground));
        const QColor ink = QColorOf(SystemColourRef(ColourInfoText));
        p.fillPath(shape_, back);
        p.setPen(QPen(ink, 1));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawPath(shape_);

        if (!titleRect_.isEmpty()) {
            if (iconSize_ > 0) {
                const QIcon icon = style()->standardIcon(PixmapOf(o_.icon));
                icon.paint(&p, iconRect_);
            }
            p.setFont(titleFont_);
            p.setPen(ink);
            p.drawText(titleRect_, textFlags(false), o_.title);
        }
        p.setFont(font_);
        p.setPen(ink);
        p.drawText(textRect_, textFlags(true), o_.text);
    }

private:
    int textFlags(bool wrap) const {
        int f = Qt::AlignTop | (o_.rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        if (wrap)
            f |= Qt::TextWordWrap;
        return f;
    }

    void layOut() {
        font_ = QToolTip::font();
        titleFont_ = font_;
        titleFont_.setBold(true);
        const QFontMetrics fm(font_);
        const QFontMetrics tfm(titleFont_);
        const int maxWidth = std::max(1, o_.maxWidth);
        const QRect text =
            fm.boundingRect(QRect(0, 0, maxWidth, 1 << 20), textFlags(true), o_.text);
        const bool hasTitle = !o_.title.isEmpty();
        iconSize_ = hasTitle ? IconSize(o_.icon) : 0;
        int titleWidth = 0, titleHeight = 0;
        if (hasTitle) {
            titleWidth = tfm.horizontalAdvance(o_.title) + (iconSize_ ? iconSize_ + kIconGap : 0);
            titleHeight = std::max(tfm.height(), iconSize_);
        }
        const int contentWidth = std::max(text.width(), titleWidth);
        const int contentHeight = text.height() + (hasTitle ? titleHeight + kTitleGap : 0);
        const int pad = o_.balloon ? kBalloonPadding : kRectPadding;
        const int top = o_.balloon ? kStemHeight : 0;
        body_ = QRect(0, top, contentWidth + 2 * pad + 2, contentHeight + 2 * pad + 2);
        if (o_.balloon)
            body_.setWidth(std::max(body_.width(), kStemInset + kStemWidth + kBalloonRadius));

        const QRect content = body_.adjusted(pad + 1, pad + 1, -pad - 1, -pad - 1);
        if (hasTitle) {
            const QRect line(content.left(), content.top(), content.width(), titleHeight);
            if (iconSize_) {
                const int iy = line.top() + (titleHeight - iconSize_) / 2;
                iconRect_ = o_.rightToLeft
                                ? QRect(line.right() + 1 - iconSize_, iy, iconSize_, iconSize_)
                                : QRect(line.left(), iy, iconSize_, iconSize_);
            }
            titleRect_ = line;
            const int shift = iconSize_ ? iconSize_ + kIconGap : 0;
            if (o_.rightToLeft)
                titleRect_.setRight(line.right() - shift);
            else
                titleRect_.setLeft(line.left() + shift);
            titleRect_.setTop(line.top() + (titleHeight - tfm.height()) / 2);
            titleRect_.setHeight(tfm.height());
        }
        textRect_ = QRect(content.left(), content.bottom() + 1 - text.height(), content.width(),
                          text.height());

        QPainterPath path;
        if (o_.balloon) {
            path.addRoundedRect(QRectF(body_).adjusted(0, 0, -1, -1), kBalloonRadius,
                                kBalloonRadius);
            const int tipX = hotSpot().x();
            const int baseFar = o_.rightToLeft ? tipX - kStemWidth : tipX + kStemWidth;
            QPainterPath stem;
            stem.moveTo(tipX, 0);
            stem.lineTo(tipX, top + 1);
            stem.lineTo(baseFar, top + 1);
            stem.closeSubpath();
            path = path.united(stem);
        } else {
            path.addRect(QRectF(body_).adjusted(0, 0, -1, -1));
        }
        shape_ = path.simplified();
        resize(body_.width() + kShadow, body_.bottom() + 1 + kShadow);
        const QPolygon outline = shape_.toFillPolygon().toPolygon();
        QRegion mask(outline, Qt::WindingFill);
        mask += QRegion(outline.translated(kShadow, kShadow), Qt::WindingFill);
        if (!o_.balloon) {
            mask = QRegion(body_) + QRegion(body_.translated(kShadow, kShadow));
        }
        setMask(mask);
    }

    TooltipOptions o_;
    QFont font_, titleFont_;
    QRect body_, titleRect_, iconRect_, textRect_;
    int iconSize_ = 0;
    QPainterPath shape_;
};

// Watches the tool's window for the cursor resting over it and leaving.
class TooltipWindowPrivate : public QObject {
public:
    TooltipWindowPrivate(TooltipWindow* q, QWidget* tool) : q_(q), tool_(tool) {
        wake_.setSingleShot(true);
        asleep_.setSingleShot(true);
        QObject::connect(&wake_, &QTimer::timeout, this, [this] {
            if (tool_ && tool_->underMouse())
                q_->showAt({QCursor::pos().x(), QCursor::pos().y()});
        });
        QObject::connect(&asleep_, &QTimer::timeout, this, [this] { q_->hide(); });
        if (tool_) {
            tool_->installEventFilter(this);
            if (tool_->underMouse())
                startWaking();
        }
    }
    ~TooltipWindowPrivate() override {
        if (tool_)
            tool_->removeEventFilter(this);
        delete tip_.data();
    }

    void startWaking() {
        const QStyle* style = QApplication::style();
        wake_.start(style ? style->styleHint(QStyle::SH_ToolTip_WakeUpDelay) : 700);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != tool_)
            return false;
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (!q_->isShown())
                startWaking();
            break;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            wake_.stop();
            q_->hide();
            break;
        default:
            break;
        }
        return false;
    }

    TooltipWindow* q_;
    QPointer<QWidget> tool_;
    QPointer<TooltipTip> tip_;
    QTimer wake_;
    QTimer asleep_;
};

TooltipWindow::TooltipWindow(ControlSite* tool, const TooltipOptions& options) : options_(options) {
    QWidget* widget = dynamic_cast<ControlHost*>(tool);
    d_ = std::make_unique<TooltipWindowPrivate>(this, widget);
    d_->tip_ = new TooltipTip(widget, options_);
}

TooltipWindow::~TooltipWindow() = default;

QWidget* TooltipWindow::widget() const {
    return d_->tip_.data();
}

bool TooltipWindow::isShown() const {
    return d_->tip_ && d_->tip_->isVisible();
}

void TooltipWindow::showAt(Point cursor) {
    TooltipTip* tip = d_->tip_.data();
    if (!tip || options_.text.isEmpty())
        return;
    QPoint at = QPoint(cursor.x, cursor.y) - tip->hotSpot();
    if (const QScreen* screen = QGuiApplication::screenAt(QPoint(cursor.x, cursor.y))) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(),
                           std::max(area.left(), area.right() + 1 - tip->width())));
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - tip->height())));
    }
    tip->move(at);
    tip->show();
    tip->raise();
    d_->asleep_.start(kFallAsleepMs);
}

void TooltipWindow::hide() {
    d_->asleep_.stop();
    if (d_->tip_)
        d_->tip_->hide();
}

} // namespace rewrix
