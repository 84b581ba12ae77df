import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Progress from 0 to 1 with a centred percentage, or finishText once done.
// A transparent progressColor means neutral.
ProgressBar {
    id: control

    property color progressColor: "transparent"
    property string finishText: ""
    property color backgroundColor: Constants.primaryDarkColor

    readonly property bool neutral: progressColor.a === 0
    readonly property bool finished: value >= 1
    readonly property color effectiveColor: neutral ? Constants.primaryLigthColor3 : progressColor
    readonly property string labelText: finished && finishText !== ""
                                        ? finishText
                                        : typeof myTrStrings !== "undefined"
                                          ? myTrStrings.percent(Math.round((isFinite(value) ? value : 0) * 100))
                                          : Math.round((isFinite(value) ? value : 0) * 100) + "%"
    readonly property int stripeWidth: 20
    readonly property int stripeGap: 20

    from: 0
    to: 1
    implicitWidth: 200
    implicitHeight: 20

    background: MyInputBackground {
        implicitWidth: 200
        implicitHeight: 20
        color: control.backgroundColor
        borderColor: control.effectiveColor
    }

    contentItem: Item {
        implicitWidth: 200
        implicitHeight: 20

        Rectangle {
            visible: !control.indeterminate
            width: control.visualPosition * parent.width
            height: parent.height
            radius: 3
            color: control.effectiveColor
            opacity: 0.6
        }

        // Endless stripes for work of unknown length.
        Item {
            anchors.fill: parent
            visible: control.indeterminate
            clip: true

            Row {
                spacing: control.stripeGap
                height: parent.height

                Repeater {
                    model: control.indeterminate
                           ? Math.ceil(control.width / (control.stripeWidth + control.stripeGap)) + 2 : 0
                    Rectangle {
                        width: control.stripeWidth
                        // Repeated items are children of the row; an id here
                        // would make the deferred contentItem immediate.
                        height: parent ? parent.height : 0
                        color: control.effectiveColor
                        opacity: 0.6
                    }
                }

                NumberAnimation on x {
                    objectName: "stripeAnimation"
                    from: 0
                    to: -(control.stripeWidth + control.stripeGap)
                    duration: 500
                    loops: Animation.Infinite
                    running: control.indeterminate && control.visible
                }
            }
        }

        Text {
            anchors.centerIn: parent
            visible: !control.indeterminate
            text: control.labelText
            textFormat: Text.PlainText
            font.pointSize: 9
            font.bold: true
            color: control.neutral ? Constants.primaryLigthColor6 : Constants.buttonTextColor
        }
    }
}
