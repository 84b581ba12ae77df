import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Tooltip shown under its owner, starting at three fifths of its width.
ToolTip {
    id: control

    delay: 1000
    timeout: 5000
    x: parent ? parent.width * 3 / 5 : 0
    y: parent ? parent.height : 0
    padding: 6

    font.pointSize: 10

    contentItem: Text {
        text: control.text
        textFormat: Text.PlainText
        font: control.font
        color: Constants.primaryLigthColor4
        wrapMode: Text.Wrap
    }

    background: Rectangle {
        color: Constants.primaryDarkColor
        border.color: Constants.primaryLigthColor3
        radius: 3
    }
}
