import QtQuick
import QtQuick.Controls.impl
import Parvane
import content

// Small information icon whose explanation shows as soon as the pointer rests on it.
Item {
    id: control

    property string text
    readonly property bool hovered: hover.hovered
    readonly property alias toolTip: tip

    implicitWidth: 16
    implicitHeight: 16

    IconImage {
        anchors.fill: parent
        sourceSize.width: 16
        sourceSize.height: 16
        source: "../../resources/images/icons/info.png"
        color: hover.hovered ? Constants.primaryLigthColor5 : Constants.primaryLigthColor4
    }

    HoverHandler {
        id: hover
    }

    MyToolTip {
        id: tip

        objectName: "infoToolTip"
        delay: 0
        text: control.text
        visible: hover.hovered
    }
}
