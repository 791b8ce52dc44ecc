#include "toolkit/ControlHost.h"

#include "toolkit/Clock.h"
#include "toolkit/OwnerDrawnControl.h"
#include "toolkit/SystemColours.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QTimer>

namespace rewrix {
namespace {

int ButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return ButtonLeft;
    case Qt::RightButton:
        return ButtonRight;
    case Qt::MiddleButton:
        return ButtonMiddle;
    default:
        return ButtonNone;
    }
}

int ButtonsOf(Qt::MouseButtons b) {
    int out = 0;
    if (b & Qt::LeftButton)
        out |= ButtonLeft;
    if (b & Qt::RightButton)
        out |= ButtonRight;
    if (b & Qt::MiddleButton)
        out |= ButtonMiddle;
    return out;
}

int ShiftOf(Qt::KeyboardModifiers m) {
    int out = 0;
    if (m & Qt::ShiftModifier)
        out |= ShiftKey;
    if (m & Qt::ControlModifier)
        out |= ShiftCtrl;
    if (m & Qt::AltModifier)
        out |= ShiftAlt;
    return out;
}

int KeyCodeOf(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return KeyF1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return KeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyReturn;
    case Qt::Key_Shift:
        return KeyShift;
    case Qt::Key_Control:
        return KeyControl;
    case Qt::Key_Alt:
        return KeyMenu;
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_PageUp:
        return KeyPageUp;
    case Qt::Key_PageDown:
        return KeyPageDown;
    case Qt::Key_End:
        return KeyEnd;
    case Qt::Key_Home:
        return KeyHome;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Insert:
        return KeyInsert;
    case Qt::Key_Delete:
        return KeyDelete;
    default:
        return 0;
    }
}

Qt::CursorShape ShapeOf(MousePointer p) {
    switch (p) {
    case MousePointer::Cross:
        return Qt::CrossCursor;
    case MousePointer::IBeam:
        return Qt::IBeamCursor;
    case MousePointer::SizeAll:
    case MousePointer::SizeAll2:
        return Qt::SizeAllCursor;
    case MousePointer::SizeNESW:
        return Qt::SizeBDiagCursor;
    case MousePointer::SizeNS:
        return Qt::SizeVerCursor;
    case MousePointer::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case MousePointer::SizeWE:
        return Qt::SizeHorCursor;
    case MousePointer::UpArrow:
        return Qt::UpArrowCursor;
    case MousePointer::Hourglass:
        return Qt::WaitCursor;
    case MousePointer::NoDrop:
        return Qt::ForbiddenCursor;
    case MousePointer::ArrowHourglass:
        return Qt::BusyCursor;
    case MousePointer::ArrowQuestion:
        return Qt::WhatsThisCursor;
    case MousePointer::Hand:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

ControlHost::ControlHost(const QString& displayName, QWidget* parent)
    : QWidget(parent), displayName_(displayName),
      ambientBackColour_(SystemColourRef(ColourButtonFace)), clock_(&Clock::System()) {
    // The back image covers the whole window; nothing needs erasing beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    pendingPresent_ = new QTimer(this);
    pendingPresent_->setSingleShot(true);
    connect(pendingPresent_, &QTimer::timeout, this, [this] {
        sinceLastPresent_.restart();
        update();
    });
}

ControlHost::~ControlHost() = default;

void ControlHost::setControl(OwnerDrawnControl* control) {
    control_ = control;
}

void ControlHost::resizeControl(int width, int height) {
    resize(width, height);
    syncSize();
}

void ControlHost::syncSize() {
    if (surface_.width() == width() && surface_.height() == height())
        return;
    surface_.resize(width(), height());
    if (control_)
        control_->Resized();
    present();
}

void ControlHost::setAmbientFont(const FontDesc& font) {
    ambientFont_ = font;
    if (control_)
        control_->AmbientChanged(QStringLiteral("Font"));
}

void ControlHost::setDisplayAsDefault(bool on) {
    displayAsDefault_ = on;
    rebuildShortcuts();
    if (control_)
        control_->AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void ControlHost::setCancel(bool on) {
    cancel_ = on;
    rebuildShortcuts();
}

void ControlHost::setAmbientBackColour(Colour colour) {
    ambientBackColour_ = colour;
    if (control_)
        control_->AmbientChanged(QStringLiteral("BackColor"));
}

void ControlHost::present() {
    if (!isVisible()) {
        update();
        return;
    }
    if (!sinceLastPresent_.isValid() || sinceLastPresent_.elapsed() >= minPresentMs_) {
        pendingPresent_->stop();
        sinceLastPresent_.restart();
        repaint();
        return;
    }
    if (!pendingPresent_->isActive())
        pendingPresent_->start(
            std::max<int>(1, minPresentMs_ - static_cast<int>(sinceLastPresent_.elapsed())));
}

void ControlHost::setWindowRegion(const Region& region) {
    if (hasRegion_ && region == region_)
        return;
    region_ = region;
    hasRegion_ = true;
    QRegion mask;
    const auto& spans = region.spans();
    int y = region.top();
    size_t i = 0;
    // Rows with the same span merge into one rectangle; a plain rectangle is a single one.
    while (i < spans.size()) {
        size_t j = i + 1;
        while (j < spans.size() && spans[j] == spans[i])
            ++j;
        if (spans[i].right > spans[i].left)
            mask += QRect(spans[i].left, y + static_cast<int>(i), spans[i].right - spans[i].left,
                          static_cast<int>(j - i));
        i = j;
    }
    setMask(mask);
}

void ControlHost::propertyChanged(const QString& name) {
    // The log is for observers that look at recent notices; a bar stepped in a long loop must
    // not make it grow without end.
    if (changed_.size() >= 4096)
        changed_.erase(changed_.begin(), changed_.begin() + 2048);
    changed_.append(name);
    emit propertyChangedNotice(name);
}

void ControlHost::setMouseCapture(bool on) {
    if (on == capture_)
        return;
    capture_ = on;
    if (on)
        grabMouse();
    else
        releaseMouse();
}

void ControlHost::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    if (pointer == MousePointer::Default)
        unsetCursor();
    else if (pointer != MousePointer::Custom)
        setCursor(ShapeOf(pointer));
}

bool ControlHost::setMouseIcon(const Picture& picture) {
    QPixmap pixmap;
    if (picture.isEmpty() || !pixmap.loadFromData(picture.data))
        return false;
    pointer_ = MousePointer::Custom;
    setCursor(QCursor(pixmap));
    return true;
}

void ControlHost::setAccessKeys(const QString& keys) {
    accessKeys_ = keys.toLower();
    rebuildShortcuts();
}

void ControlHost::rebuildShortcuts() {
    for (QShortcut* s : shortcuts_)
        delete s;
    shortcuts_.clear();
    auto add = [this](QKeySequence seq, int key) {
        auto* s = new QShortcut(seq, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, key] {
            if (control_ && isEnabled() && isVisible())
                control_->AccessKeyPress(key);
        });
        shortcuts_.push_back(s);
    };
    for (QChar c : accessKeys_)
        add(QKeySequence(QStringLiteral("Alt+") + c.toUpper()), c.unicode());
    if (displayAsDefault_) {
        add(QKeySequence(Qt::Key_Return), KeyReturn);
        add(QKeySequence(Qt::Key_Enter), KeyReturn);
    }
    if (cancel_)
        add(QKeySequence(Qt::Key_Escape), KeyEscape);
}

std::uintptr_t ControlHost::windowHandle() const {
    return reinterpret_cast<std::uintptr_t>(this);
}

std::uintptr_t ControlHost::parentWindowHandle() const {
    return reinterpret_cast<std::uintptr_t>(window());
}

Point ControlHost::mapToScreen(Point p) const {
    const QPoint g = mapToGlobal(QPoint(p.x, p.y));
    return {g.x(), g.y()};
}

bool ControlHost::cursorInside() const {
    return underMouse();
}

void ControlHost::paintEvent(QPaintEvent*) {
    ++paintCount_;
    QPainter p(this);
    const QImage& image = surface_.image();
    p.drawImage(0, 0, image);
    const Colour back = TranslateColour(surface_.backColour());
    const QColor fill(RedOf(back), GreenOf(back), BlueOf(back));
    if (image.width() < width())
        p.fillRect(image.width(), 0, width() - image.width(), height(), fill);
    if (image.height() < height())
        p.fillRect(0, image.height(), image.width(), height() - image.height(), fill);
}

void ControlHost::resizeEvent(QResizeEvent*) {
    syncSize();
}

void ControlHost::mousePressEvent(QMouseEvent* e) {
    if (control_)
        control_->MouseDown(ButtonOf(e->button()), ShiftOf(e->modifiers()),
                            static_cast<int>(e->position().x()),
                            static_cast<int>(e->position().y()));
}

void ControlHost::mouseReleaseEvent(QMouseEvent* e) {
    if (control_)
        control_->MouseUp(ButtonOf(e->button()), ShiftOf(e->modifiers()),
                          static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
}

void ControlHost::mouseDoubleClickEvent(QMouseEvent* e) {
    if (control_)
        control_->DblClick(ButtonOf(e->button()), ShiftOf(e->modifiers()),
                           static_cast<int>(e->position().x()),
                           static_cast<int>(e->position().y()));
}

void ControlHost::mouseMoveEvent(QMouseEvent* e) {
    if (control_)
        control_->MouseMove(ButtonsOf(e->buttons()), ShiftOf(e->modifiers()),
                            static_cast<int>(e->position().x()),
                            static_cast<int>(e->position().y()));
}

void ControlHost::enterEvent(QEnterEvent*) {
    if (control_)
        control_->MouseEnter();
}

void ControlHost::leaveEvent(QEvent*) {
    if (control_)
        control_->MouseLeave();
}

void ControlHost::keyPressEvent(QKeyEvent* e) {
    if (!control_)
        return;
    control_->KeyDown(KeyCodeOf(e->key()), ShiftOf(e->modifiers()));
    const QString text = e->text();
    if (!text.isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        control_->KeyPress(text.at(0).unicode());
}

void ControlHost::keyReleaseEvent(QKeyEvent* e) {
    if (control_ && !e->isAutoRepeat())
        control_->KeyUp(KeyCodeOf(e->key()), ShiftOf(e->modifiers()));
}

void ControlHost::focusInEvent(QFocusEvent*) {
    if (control_)
        control_->GotFocus();
}

void ControlHost::focusOutEvent(QFocusEvent*) {
    if (control_)
        control_->LostFocus();
}

void ControlHost::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (!control_)
        return;
    switch (e->type()) {
    case QEvent::EnabledChange:
        control_->EnabledChanged(isEnabled());
        break;
    case QEvent::ActivationChange:
        control_->ParentActivationChanged(isActiveWindow());
        break;
    case QEvent::PaletteChange:
        control_->AmbientChanged(QStringLiteral("Palette"));
        break;
    case QEvent::StyleChange:
        control_->AmbientChanged(QStringLiteral("Style"));
        break;
    default:
        break;
    }
}

void ControlHost::showEvent(QShowEvent*) {
    syncSize();
    if (control_)
        control_->Show();
}

void ControlHost::hideEvent(QHideEvent*) {
    if (control_)
        control_->Hide();
}

} // namespace rewrix
