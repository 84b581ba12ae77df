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

    RowLayout {
        Layout.fillWidth: true

        MyLabel {
            id: labelText
            Layout.fillWidth: true
            text: control.label
            color: control.textColor
            elide: Text.ElideRight
            wrapMode: Text.NoWrap
        }

        MyLabel {
            id: countText
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
