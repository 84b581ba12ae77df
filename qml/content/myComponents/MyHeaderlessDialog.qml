import QtQuick
import Parvane

// Dialog whose header is only a thin strip holding the close icon; its
// content usually draws its own title.
MyDialog {
    id: control

    header: Item {
        implicitHeight: 30

        MyCloseIconButton {
            objectName: "dialogCloseButton"
            visible: control.closable
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.rightMargin: 2
            onClicked: control.close()
        }
    }
}
