import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Check box with its text at the right of the box, and the focus ring.
CheckBox {
    id: control

    // True while the box has the keyboard focus, and then only.
    readonly property bool focusFrameVisible: activeFocus

    // A click does not leave a hidden focus behind that Space would act on.
    focusPolicy: Qt.TabFocus
    font.pointSize: Constants.labelFontSize

    contentItem: MyLabel {
        leftPadding: control.indicator.width + 6
        text: control.text
        verticalAlignment: Text.AlignVCenter
        // A long label wraps where the layout gives it less room.
        wrapMode: Text.WordWrap
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
