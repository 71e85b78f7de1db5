// One scripted user action of the snapshot tool, as read from the command line.
#pragma once

#include <QChar>
#include <QLocale>
#include <QPoint>
#include <QString>
#include <Qt>

class QObject;

namespace rna::tools {

struct SnapshotAction {
    enum class Kind {
        DragSlider,  // TrackBarN=POS
        SliderKey,  // TrackBarN:key=KEY
        PickListItem,  // ComboBoxN=INDEX
        TypeListText,  // ComboBoxN:text=TEXT
        TypeEditText,  // EditN:text=TEXT
        ClickLabel,  // LabelN:click
        ClickButton,  // BitBtnN:click
        FocusedKey,  // key=KEY
        HideWindow,  // hide
        ShowWindow,  // show
        DecimalSeparator,  // separator=C
        DragChart,  // ChartN:drag=BUTTON,X0,Y0,X1,Y1
        TurnWheel,  // ChartN:wheel=K
    };

    Kind kind = Kind::HideWindow;
    QString argument;  // as given, for messages
    QObject* control = nullptr;  // the control acted on, when the action names one
    int number = 0;  // slider position, list index or wheel notches
    Qt::MouseButton button = Qt::NoButton;  // a chart drag's button, from `from` to `to`
    QPoint from;
    QPoint to;
    Qt::Key key = Qt::Key_unknown;
    QString text;  // typed text
    QLocale locale;  // for a separator change: a locale writing that decimal separator
};

}  // namespace rna::tools
