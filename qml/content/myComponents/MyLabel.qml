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
    // Plain unless a caller writes its own markup (a heading): labels show
    // names, addresses and server replies, which must never render.
    textFormat: Text.PlainText

    TextMetrics {
        id: metrics
        font: control.font
        text: control.text
    }
}
