import QtQuick
import QtQuick.Controls.Basic

// Title-bar button that shows only its text (the window buttons).
MyStatusbarButton {
    display: AbstractButton.TextOnly
    font.pointSize: 12
    font.bold: false
}
