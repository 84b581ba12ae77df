import QtQuick
import QtQuick.Controls.Basic
import Parvane

Label {
    id: control

    // Size of the text on one line, before any wrapping.
    readonly property real textWidth: metrics.advanceWidth
    readonly property real textHeight: metrics.height

    font.pointSize: Constants.labelFontSize
    font.bold: true
    color: Constants.primaryLigthColor4
    wrapMode: Text.Wrap

    TextMetrics {
        id: metrics
        font: control.font
        text: control.text
    }
}
