import QtQuick
import QtQuick.Controls.Basic
import Parvane

RadioButton {
    id: control

    readonly property color markColor: control.down ? Constants.primaryLigthColor3
                                                    : Constants.primaryLigthColor4

    // True while the button has the keyboard focus, and then only.
    readonly property bool focusFrameVisible: activeFocus

    font.pointSize: Constants.labelFontSize
    spacing: 8
    focusPolicy: Qt.TabFocus

    indicator: Rectangle {
        implicitWidth: 20
        implicitHeight: 20
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: 10
        color: "transparent"
        border.color: control.markColor
        border.width: 2
        opacity: control.enabled ? 1 : 0.5

        Rectangle {
            anchors.centerIn: parent
            width: 8
            height: 8
            radius: 4
            color: control.markColor
            visible: control.checked
        }
    }

    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        textFormat: Text.PlainText
        font: control.font
        color: control.markColor
        opacity: control.enabled ? 1 : 0.5
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
