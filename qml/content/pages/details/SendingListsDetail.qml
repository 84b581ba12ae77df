import QtQuick
import QtQuick.Layouts
import content

// The sending lists and their runs. For now its title only; the lists come with the sending-list work.
MyDetailLayout {
    id: detail

    objectName: "SendingListsDetail"

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        text: "<h2>" + myTrStrings.sending_lists + "</h2>"
        color: "white"
        textFormat: Text.StyledText
    }
    MyNoItem {
        Layout.fillWidth: true
    }
    Item {
        Layout.fillHeight: true
    }
}
