import QtQuick
import QtQuick.Layouts
import content

// The addresses found by the search. For now its title only; the results come with the search work.
MyDetailLayout {
    id: detail

    objectName: "SearchDetail"

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        text: "<h2>" + myTrStrings.search_results + "</h2>"
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
