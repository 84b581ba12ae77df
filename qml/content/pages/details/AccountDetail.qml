import QtQuick
import QtQuick.Layouts
import content

// Shows one SMTP account (detailAccount). For now its title only; the account view comes with the accounts work.
MyDetailLayout {
    id: detail

    objectName: "AccountDetail"

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        text: "<h2>" + myTrStrings.accounts + "</h2>"
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
