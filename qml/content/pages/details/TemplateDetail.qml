import QtQuick
import QtQuick.Layouts
import content

// Shows one template (detailTemplateUrl). For now its title only; the template view comes with the templates work.
MyDetailLayout {
    id: detail

    objectName: "TemplateDetail"

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        text: "<h2>" + myTrStrings.templates + "</h2>"
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
