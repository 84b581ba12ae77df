import QtQuick
import QtQuick.Layouts
import content

// The message preview, the detail area's first view. For now its title only;
// the preview comes with the compose work. The web view that will show an
// HTML body must be loaded on demand (a Loader with a source file), so that
// the main screen still loads where no web engine runs, as in the QML tests.
MyDetailLayout {
    id: detail

    objectName: "EmailContentDetail"

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        text: "<h2>" + myTrStrings.preview + "</h2>"
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
