import QtQuick
import QtQuick.Layouts
import Parvane

// Counter row (label at the left, value/total at the right) above its bar.
ColumnLayout {
    id: control

    property string label
    property int total: 0
    property int value: 0
    property bool showValue: true
    property alias finishText: bar.finishText
    property alias finished: bar.finished
    property alias progressColor: bar.progressColor

    // The error red is too dark for text on the dialogs' background: its
    // lighter shade reads there.
    readonly property color textColor: bar.neutral ? Constants.primaryLigthColor4
                                       : Qt.colorEqual(bar.progressColor, Constants.errorColor)
                                         ? Constants.errorTextColor : bar.progressColor
    // Nothing to do yet reads as no progress, never as a division by zero.
    readonly property real ratio: total > 0 ? value / total : 0

    spacing: 5

    // Anchored rather than laid out: a nested row layout keeps the count's
    // first width ("0/0") when the count grows while its width stays.
    Item {
        Layout.fillWidth: true
        implicitHeight: Math.max(labelText.implicitHeight, countText.implicitHeight)

        MyLabel {
            id: labelText
            anchors.left: parent.left
            anchors.right: countText.visible ? countText.left : parent.right
            anchors.rightMargin: countText.visible ? 5 : 0
            anchors.verticalCenter: parent.verticalCenter
            text: control.label
            color: control.textColor
            elide: Text.ElideRight
            wrapMode: Text.NoWrap
        }

        MyLabel {
            id: countText
            objectName: "countText"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: control.showValue
            text: typeof myTrStrings !== "undefined"
                  ? myTrStrings.number(control.value) + "/" + myTrStrings.number(control.total)
                  : control.value + "/" + control.total
            color: control.textColor
            wrapMode: Text.NoWrap
        }
    }

    MyProgressBar {
        id: bar
        Layout.fillWidth: true
        value: control.ratio
    }
}
