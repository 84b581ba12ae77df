import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A column that scrolls when its content is taller than the room it is
// given, and otherwise fills that room (so Layout.fillHeight spacers work).
Flickable {
    id: control

    default property alias content: column.data
    property alias spacing: column.spacing
    readonly property alias column: column

    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight
    contentWidth: width
    contentHeight: column.height
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    flickableDirection: Flickable.VerticalFlick

    ColumnLayout {
        id: column

        width: control.width
        height: Math.max(control.height, implicitHeight)
    }

    ScrollBar.vertical: ScrollBar {
        width: 7
        policy: control.contentHeight > control.height + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
    }
}
