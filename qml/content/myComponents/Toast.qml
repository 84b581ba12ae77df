import QtQuick
import Parvane

// One notification: fades in, stays, fades out, then reports finished.
// It stays at least 600 ms in all, the time of its two fades.
Rectangle {
    id: toast

    property string text
    property real duration: 3000
    readonly property int fadeDuration: 300
    readonly property real displayTime: Math.max(duration > 0 ? duration : 3000,
                                                 Constants.toastMinimumDuration)
    readonly property alias running: lifetime.running

    signal finished()

    implicitHeight: message.implicitHeight + 20
    radius: 5
    opacity: 0

    readonly property alias textColor: message.color

    Text {
        id: message
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: 10
        text: toast.text
        // Server replies and file names come here: shown as written.
        textFormat: Text.PlainText
        color: Constants.buttonTextColor
        font.pointSize: 11
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
    }

    SequentialAnimation {
        id: lifetime
        NumberAnimation {
            target: toast; property: "opacity"; to: 1; duration: toast.fadeDuration
        }
        PauseAnimation {
            duration: toast.displayTime - 2 * toast.fadeDuration
        }
        NumberAnimation {
            target: toast; property: "opacity"; to: 0; duration: toast.fadeDuration
        }
        onFinished: toast.finished()
    }

    Component.onCompleted: lifetime.start()
}
