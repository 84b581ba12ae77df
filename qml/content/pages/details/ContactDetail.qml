import QtQuick
import QtQuick.Layouts
import content

// Shows one contact (detailContact). For now its title only; the contact card and its QR code come with the contacts work.
MyDetailLayout {
    id: detail

    objectName: "ContactDetail"

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        text: "<h2>" + myTrStrings.contacts + "</h2>"
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
