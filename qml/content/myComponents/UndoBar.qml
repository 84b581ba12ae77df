import QtQuick
import QtQuick.Layouts
import Parvane

// A message with an "Undo" button at the bottom of the window, for ten
// seconds after a change that can be taken back; a new one replaces it.
Rectangle {
    id: bar

    property string text
    // Called once, by "Undo"; forgotten when the bar hides.
    property var undo: null
    readonly property alias undoButton: undoButton
    readonly property alias remaining: lifetime.running

    function show(message, action) {
        text = String(message)
        undo = action
        visible = true
        lifetime.restart()
    }

    function hide() {
        lifetime.stop()
        visible = false
        undo = null
    }

    function undoNow() {
        const action = undo
        hide()
        if (action)
            action()
    }

    visible: false
    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    anchors.bottom: parent ? parent.bottom : undefined
    anchors.bottomMargin: 16
    width: Math.min(parent ? parent.width - 40 : 600, row.implicitWidth + 30)
    height: row.implicitHeight + 16
    z: 10001
    radius: 5
    color: Constants.secondaryDarkColor

    Timer {
        id: lifetime
        interval: 10000
        onTriggered: bar.hide()
    }

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        spacing: 15

        Text {
            objectName: "undoBarText"
            Layout.fillWidth: true
            text: bar.text
            // List and contact names come here: shown as written.
            textFormat: Text.PlainText
            color: Constants.buttonTextColor
            font.pointSize: 11
            wrapMode: Text.Wrap
        }
        MyButton {
            id: undoButton
            objectName: "undoButton"
            text: qsTr("Undo")
            secondaryStyle: true
            onClicked: bar.undoNow()
        }
    }
}
