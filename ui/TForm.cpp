#include "ui/TForm.h"

#include "ui/AccessibleFactory.h"
#include "ui/FocusRing.h"
#include "ui/TApplication.h"
#include "ui/TBitBtn.h"
#include "ui/TGraphicControl.h"
#include "ui/TLabel.h"
#include "ui/WindowManagerHints.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>
#include <QUrl>
#include <QWindow>
#include <algorithm>

namespace rna::ui {

namespace {
// The frame the window manager last gave one of our framed windows: the best guess for a window it has not
// framed yet (they all have the same kind of title bar), so that one appears in its place at once.
QMargins lastKnownFrame;
}  // namespace

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    installAccessibleInterfaces();
    setFocusPolicy(Qt::NoFocus);
    setTFont(font_);
    updateWindowFlags();
    focusChanges_ = connect(qApp, &QApplication::focusChanged, this, &TForm::updateFocusRing);
}

TForm::~TForm()
{
    // Deleting the controls below moves the focus: no longer this window's business.
    disconnect(focusChanges_);
    // Graphic controls are QObject children; they unregister themselves while the list still exists.
    const QObjectList children = this->children();
    for (QObject* child : children)
        if (auto* graphic = qobject_cast<TGraphicControl*>(child))
            delete graphic;
}

void TForm::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void TForm::setClientSize(int width, int height)
{
    if (borderStyle_ == TFormBorderStyle::bsSizeable || borderStyle_ == TFormBorderStyle::bsSizeToolWin) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(width, height);
    } else
        setFixedSize(width, height);
}

void TForm::setBorderStyle(TFormBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    setClientSize(width(), height());
    updateWindowFlags();
}

void TForm::setBorderIcons(TBorderIcons icons)
{
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    updateWindowFlags();
}

void TForm::updateWindowFlags()
{
    // Title-bar buttons exist only together with the system menu.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderStyle_ == TFormBorderStyle::bsNone)
        flags = Qt::Window | Qt::FramelessWindowHint;
    else if (borderIcons_ & biSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_ & biMinimize)
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_ & biMaximize)
            flags |= Qt::WindowMaximizeButtonHint;
        if ((borderIcons_ & biHelp) && !(borderIcons_ & (biMinimize | biMaximize)))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (flags == windowFlags())
        return;
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    // Qt writes its own window-manager hints with the flags; ours follow them.
    applyMotifHints(*this, borderStyle_, borderIcons_);
    if (wasVisible)
        QWidget::setVisible(true);
}

void TForm::setDesignedPlace(int left, int top)
{
    designedPlace_ = QPoint(left, top);
    move(designedPlace_);
}

void TForm::setColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TForm::setTFont(const TFont& font)
{
    font_ = font;
    setFont(font.toQFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, toQColor(font.color));
    palette.setColor(QPalette::Text, toQColor(font.color));
    palette.setColor(QPalette::ButtonText, toQColor(font.color));
    setPalette(palette);
    for (TGraphicControl* graphic : graphics_)
        if (auto* label = qobject_cast<TLabel*>(graphic))
            label->parentFontChanged();
}

void TForm::showForm()
{
    setVisible(true);
    // A window minimised through the window manager stays visible to Qt; without a task bar the user has no
    // other way back to it, so showing brings it back from its icon.
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void TForm::closeForm()
{
    if (!isMainForm()) {
        hide();
        return;
    }
    if (TApplication* app = TApplication::current())
        app->terminate();
    else
        QCoreApplication::exit(0);
}

bool TForm::isMainForm() const
{
    const TApplication* app = TApplication::current();
    return app && app->mainForm() == this;
}

void TForm::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // OnShow runs before the window is visible and before it is placed.
        fire(onShow_, this);
        placeOnFirstShowing();
        // Work put off while hidden (labels measuring their captions) is done before the window shows, where
        // repaint requests still go nowhere, as they did when it was done at once.
        for (const TGraphicControl* graphic : graphics_)
            graphic->settle();
    }
    if (!visible && isVisible() && focusWidget())
        lastFocus_ = focusWidget();
    QWidget::setVisible(visible);
    // The frame becomes known when the window manager has framed and exposed the window.
    if (visible && awaitingFrame_ && windowHandle())
        windowHandle()->installEventFilter(this);
    // A window that stayed the active one while hidden gets no new activation: give the focus back here.
    if (visible && isActiveWindow() && !QApplication::focusWidget())
        restoreFocus();
}

void TForm::placeOnFirstShowing()
{
    if (position_ != TPosition::poDesktopCenter && position_ != TPosition::poScreenCenter)
        return;
    centreOnDesktop();
    position_ = TPosition::poDesigned;
    // A window manager frames the window only once it is mapped; it is placed again when the frame is known.
    awaitingFrame_ = borderStyle_ != TFormBorderStyle::bsNone;
}

QMargins TForm::outerFrame() const
{
    const QWindow* window = windowHandle();
    const QMargins frame = window && window->isVisible() ? window->frameMargins() : QMargins();
    return frame.isNull() && borderStyle_ != TFormBorderStyle::bsNone ? lastKnownFrame : frame;
}

void TForm::centreOnDesktop()
{
    // The desktop is the primary screen's area left free by panels; the outer frame is centred on it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    centredWith_ = outerFrame();
    const QSize outer = size().grownBy(centredWith_);
    const QPoint frameAt(desktop.left() + (desktop.width() - outer.width()) / 2,
                         desktop.top() + (desktop.height() - outer.height()) / 2);
    // The client area is placed where it will sit inside that frame (what Qt knows of the frame so far
    // may still be nothing).
    setGeometry(QRect(frameAt + QPoint(centredWith_.left(), centredWith_.top()), size()));
}

void TForm::placeOnceFramed()
{
    const QWindow* window = windowHandle();
    if (!window || !window->isVisible())
        return;
    const QMargins frame = window->frameMargins();
    if (frame.isNull())
        return;  // not framed (yet, or no window manager): the placement stands
    lastKnownFrame = frame;
    awaitingFrame_ = false;
    if (frame != centredWith_)
        centreOnDesktop();
}

void TForm::setDefaultButton(TBitBtn* button)
{
    if (button == defaultButton_)
        return;
    TBitBtn* previous = defaultButton_;
    defaultButton_ = button;
    if (previous)
        previous->setDefaultButton(false);
    if (button)
        button->update();
}

TBitBtn* TForm::enterTarget() const
{
    if (auto* focused = qobject_cast<TBitBtn*>(focusWidget()); focused && focused->window() == this)
        return focused;
    return defaultButton_;
}

void TForm::addWindowKey(const QKeySequence& key, TNotifyEvent handler)
{
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, handler = std::move(handler)] { fire(handler, this); });
}

void TForm::setOnFilesDropped(TNotifyEvent handler)
{
    onFilesDropped_ = std::move(handler);
    setAcceptDrops(bool(onFilesDropped_));
}

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    if (data)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                files.append(url.toLocalFile());
    return files;
}

}  // namespace

void TForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (onFilesDropped_ && !localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm::dropEvent(QDropEvent* event)
{
    dropped_ = localFiles(event->mimeData());
    if (dropped_.isEmpty())
        return;
    event->acceptProposedAction();
    // The drop ends before the files are opened: an error box shown while it is still under way would keep the
    // program the files were dragged from waiting for its end.
    QMetaObject::invokeMethod(
        this, [this] { fire(onFilesDropped_, this); }, Qt::QueuedConnection);
}

void TForm::focusControl(QWidget& control)
{
    if (!isVisible() || !isEnabled() || !control.isVisible() || !control.isEnabled())
        throw std::runtime_error("Cannot focus a disabled or invisible window");
    activateWindow();
    control.setFocus(Qt::OtherFocusReason);
}

void TForm::setTabOrderOf(QWidget* control, int order)
{
    for (auto& entry : tabOrder_)
        if (entry.second == control) {
            entry.first = order;
            return;
        }
    tabOrder_.emplace_back(order, control);
}

void TForm::applyTabOrder()
{
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1].second, tabOrder_[i].second);
}

void TForm::focusFirstControl()
{
    for (const auto& entry : tabOrder_) {
        QWidget* control = entry.second;
        if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            // The window's first control is entered as Tab enters it (an edit box selects all); focus given
            // back on a later activation keeps the activation's reason (see restoreFocus).
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TForm::restoreFocus()
{
    // Back to the control that had the focus; the first time, the first control in tab order.
    QWidget* last = lastFocus_.data();
    if (last && last->isVisible() && last->isEnabled()) {
        last->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    if (!focusWidget())
        focusFirstControl();
}

void TForm::addGraphicControl(TGraphicControl* control)
{
    graphics_.push_back(control);
}

void TForm::removeGraphicControl(TGraphicControl* control)
{
    std::erase(graphics_, control);
    if (pressedGraphic_ == control)
        pressedGraphic_ = nullptr;
}

TGraphicControl* TForm::graphicControlAt(const QPoint& point) const
{
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
        if ((*it)->isVisible() && (*it)->boundsRect().contains(point))
            return *it;
    return nullptr;
}

std::vector<QObject*> TForm::accessibleChildren() const
{
    // Graphic controls and widgets are both created with the window as their parent, in description order.
    std::vector<QObject*> result;
    for (QObject* child : children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        const bool control = widget ? !widget->isWindow() : qobject_cast<const TGraphicControl*>(child) != nullptr;
        if (control)
            result.push_back(child);
    }
    return result;
}

void TForm::updateFocusRing()
{
    // The focused widget may lie inside a control (a list's edit field): the ring goes round the control.
    QWidget* control = isActiveWindow() ? QApplication::focusWidget() : nullptr;
    while (control && control->parentWidget() != this)
        control = control->parentWidget();
    if (control == ringed_)
        return;
    for (const QWidget* ringed : {ringed_.data(), control})
        if (ringed)
            for (const QRect& strip : FocusRing::strips(ringed->geometry()))
                update(strip);
    ringed_ = control;
}

void TForm::registerComponent(const QString& name, QObject* component)
{
    components_[name] = component;
}

QObject* TForm::findComponent(const QString& name) const
{
    const auto found = components_.find(name);
    return found == components_.end() ? nullptr : found->second;
}

void TForm::declareHandlers(HandlerTable&)
{}

void TForm::afterLoad()
{}

void TForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // A change repaints a few rectangles (the labels it touched). Each is painted on its own under a plain
    // rectangular clip, where the picture beneath becomes a straight copy and the fill a small one; under a
    // clip of several rectangles both go span by span over the whole picture. A region of many pieces (the
    // first showing) is painted in one pass. Every pixel gets the same drawing either way.
    constexpr int PiecewiseRects = 8;
    const QRegion& dirty = event->region();
    if (dirty.rectCount() > PiecewiseRects) {
        paintArea(painter, dirty, rect());
        return;
    }
    for (const QRect& piece : dirty) {
        painter.setClipRect(piece);
        paintArea(painter, QRegion(piece), piece);
    }
}

void TForm::paintArea(QPainter& painter, const QRegion& area, const QRect& fill) const
{
    painter.fillRect(fill, toQColor(color_));
    if (ringed_ && ringed_->isVisible())
        for (const QRect& strip : FocusRing::strips(ringed_->geometry()))
            if (strip.intersects(fill))
                painter.fillRect(strip.intersected(fill), QColor::fromRgba(FocusRing::kColor));
    // Graphic controls in description order: each later one over the earlier ones. Only those touching the
    // area itself: its bounding rectangle spans the whole window when two far-apart labels changed.
    for (const TGraphicControl* graphic : graphics_) {
        if (!graphic->isVisible() || !area.intersects(graphic->boundsRect()))
            continue;
        painter.save();
        painter.translate(graphic->boundsRect().topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), graphic->boundsRect().size()), Qt::IntersectClip);
        graphic->paint(painter);
        painter.restore();
    }
}

void TForm::mousePressEvent(QMouseEvent* event)
{
    pressedGraphic_ = nullptr;
    if (event->button() == Qt::LeftButton) {
        TGraphicControl* target = graphicControlAt(event->position().toPoint());
        if (target && target->isEnabled())
            pressedGraphic_ = target;
    }
    QWidget::mousePressEvent(event);
}

void TForm::mouseReleaseEvent(QMouseEvent* event)
{
    TGraphicControl* pressed = pressedGraphic_;
    pressedGraphic_ = nullptr;
    if (event->button() == Qt::LeftButton && pressed && graphicControlAt(event->position().toPoint()) == pressed) {
        pressed->click();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && defaultButton_ && defaultButton_->isVisibleTo(this) && defaultButton_->isEnabled()) {
        event->accept();
        defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm::closeEvent(QCloseEvent* event)
{
    // A window without a system menu has no close box: a close request from outside is ignored.
    event->ignore();
    if (borderIcons_ & biSystemMenu)
        closeForm();
}

// Graphic controls have no widget of their own, so the form shows their hints.
bool TForm::showGraphicHint(const QHelpEvent& help) const
{
    const TGraphicControl* control = graphicControlAt(help.pos());
    if (!control || control->hint().isEmpty())
        return false;
    QToolTip::showText(help.globalPos(), control->hint(), const_cast<TForm*>(this), control->boundsRect());
    return true;
}

bool TForm::eventFilter(QObject* watched, QEvent* event)
{
    // The native window is exposed (before its first paint) or moved once the window manager has framed it.
    if (watched == windowHandle() && (event->type() == QEvent::Expose || event->type() == QEvent::Move)) {
        if (awaitingFrame_)
            placeOnceFramed();
        if (!awaitingFrame_)
            watched->removeEventFilter(this);
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm::event(QEvent* event)
{
    // A new native window carries the hints Qt wrote when it made it, and no role.
    if (event->type() == QEvent::WinIdChange) {
        applyMotifHints(*this, borderStyle_, borderIcons_);
        applyWindowRole(*this);
    }
    if (event->type() == QEvent::Hide)
        awaitingFrame_ = false;
    if (event->type() == QEvent::WindowDeactivate && focusWidget())
        lastFocus_ = focusWidget();
    if (event->type() == QEvent::WindowActivate)
        restoreFocus();
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        updateFocusRing();
    if (event->type() == QEvent::ToolTip && showGraphicHint(static_cast<QHelpEvent&>(*event)))
        return true;
    return QWidget::event(event);
}

}  // namespace rna::ui
