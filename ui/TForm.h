// A window declared by a description: client surface painting its graphic controls, show/close/focus rules,
// the Enter router to its default button, and lookup of its controls by name.
#pragma once

#include "ui/FormTypes.h"
#include "ui/HandlerTable.h"
#include "ui/TColor.h"
#include "ui/TFont.h"
#include "ui/TNotifyEvent.h"

#include <QMargins>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>
#include <stdexcept>
#include <vector>

class QHelpEvent;
class QKeySequence;

namespace rna::ui {

class TBitBtn;
class TGraphicControl;

class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // The component name from the description ("Form1").
    QString name() const { return objectName(); }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption);
    int clientWidth() const { return width(); }
    int clientHeight() const { return height(); }
    void setClientSize(int width, int height);

    TFormBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(TFormBorderStyle style);
    TBorderIcons borderIcons() const { return borderIcons_; }
    void setBorderIcons(TBorderIcons icons);
    TPosition position() const { return position_; }
    void setPosition(TPosition position) { position_ = position; }
    // The stored place, used when Position is poDesigned and the window was never placed.
    void setDesignedPlace(int left, int top);

    TColor color() const { return color_; }
    void setColor(TColor color);
    const TFont& tfont() const { return font_; }
    // Also given to every control that keeps its parent's font.
    void setTFont(const TFont& font);

    // Showing: OnShow, then placement (centring on the first showing), then visible and in front.
    // Showing a visible window only brings it to the front.
    void showForm();
    // Closing the application's main window ends the program; any other window is hidden.
    void closeForm();
    void setOnShow(TNotifyEvent handler) { onShow_ = std::move(handler); }

    TModalResult modalResult() const { return modalResult_; }
    void setModalResult(TModalResult result) { modalResult_ = result; }

    // Enter without modifiers, from a control that does not keep it, clicks this button.
    TBitBtn* defaultButton() const { return defaultButton_; }
    void setDefaultButton(TBitBtn* button);
    // The button Enter would click now: a focused button, else the default button.
    TBitBtn* enterTarget() const;

    // A key the whole window answers, whichever of its controls has the focus (help, copy, save); the handler
    // runs through fire(). A key a focused control uses itself (Ctrl+C in an edit box) stays with the control.
    void addWindowKey(const QKeySequence& key, TNotifyEvent handler);

    // Files dropped on the window (from a file manager): once the drop has ended, the handler runs through fire()
    // and reads the files' paths from droppedFiles(). Without a handler the window takes no drops.
    void setOnFilesDropped(TNotifyEvent handler);
    const QStringList& droppedFiles() const { return dropped_; }

    // Gives a control the keyboard focus; a hidden or disabled window or control refuses it
    // ("Cannot focus a disabled or invisible window").
    void focusControl(QWidget& control);

    // Windowed controls in tab order (TabOrder, then creation order).
    void setTabOrderOf(QWidget* control, int order);
    void applyTabOrder();

    const std::vector<TGraphicControl*>& graphicControls() const { return graphics_; }
    void addGraphicControl(TGraphicControl* control);
    void removeGraphicControl(TGraphicControl* control);
    // The topmost visible graphic control at a client point, or null.
    TGraphicControl* graphicControlAt(const QPoint& point) const;

    // What assistive technology finds in the window: its controls, windowed and painted, in creation order (the
    // description's).
    std::vector<QObject*> accessibleChildren() const;
    // The control ringed as having the keyboard focus, or null (the window is not active).
    QWidget* markedControl() const { return ringed_; }

    // Controls by name (every object the description created, children included).
    void registerComponent(const QString& name, QObject* component);
    QObject* findComponent(const QString& name) const;
    template <class T>
    T& control(const QString& name) const
    {
        T* found = qobject_cast<T*>(findComponent(name));
        if (!found)
            throw std::runtime_error(("no control " + name + " of the expected kind in " + objectName()).toStdString());
        return *found;
    }

    // Called by the form loader.
    virtual void declareHandlers(HandlerTable& table);
    virtual void afterLoad();

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Paints the window's colour, the focus ring and the graphic controls touching `area`, inside the painter's
    // clip.
    void paintArea(QPainter& painter, const QRegion& area, const QRect& fill) const;
    bool showGraphicHint(const QHelpEvent& help) const;
    void updateWindowFlags();
    void placeOnFirstShowing();
    // Centring places the outer frame: the frame known so far, or the last one the window manager reported.
    void centreOnDesktop();
    QMargins outerFrame() const;
    void placeOnceFramed();
    void focusFirstControl();
    void restoreFocus();
    // Rings the control that has the focus while the window is active; hides the ring otherwise.
    void updateFocusRing();
    bool isMainForm() const;

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    QPoint designedPlace_;
    TColor color_ = clBtnFace;
    TFont font_;
    TModalResult modalResult_ = TModalResult::mrNone;
    TNotifyEvent onShow_;
    TNotifyEvent onFilesDropped_;
    QStringList dropped_;
    TBitBtn* defaultButton_ = nullptr;
    std::vector<TGraphicControl*> graphics_;
    std::vector<std::pair<int, QWidget*>> tabOrder_;
    std::map<QString, QObject*> components_;
    TGraphicControl* pressedGraphic_ = nullptr;
    bool awaitingFrame_ = false;  // centred on its first showing, before the window manager framed it
    QMargins centredWith_;  // the frame the centring counted with
    QPointer<QWidget> lastFocus_;  // the control that had the focus when the window was last left
    QPointer<QWidget> ringed_;  // the control with the focus ring
    QMetaObject::Connection focusChanges_;
};

}  // namespace rna::ui
