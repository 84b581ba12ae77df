import QtQuick
import QtQuick.Layouts
import Parvane
import content

// Shown in the detail area when nothing is selected.
MyDetailLayout {
    id: detail

    objectName: "EmptyDetail"

    Item {
        Layout.fillHeight: true
    }
    Image {
        Layout.alignment: Qt.AlignHCenter
        source: "../../resources/images/search-64.png"
        sourceSize.width: 64
        sourceSize.height: 64
        opacity: 0.6
    }
    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 20
        horizontalAlignment: Text.AlignHCenter
        font.bold: false
        text: myTrStrings.empty_views_details_description
    }
    Item {
        Layout.fillHeight: true
    }
}
