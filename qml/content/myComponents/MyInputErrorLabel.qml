import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Validation message under an input; takes no room while empty.
Label {
    font.pointSize: 9
    color: Constants.errorLigthColor3
    wrapMode: Text.Wrap
    textFormat: Text.PlainText
    visible: text !== ""
}
