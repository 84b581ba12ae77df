import QtQuick
import QtQuick.Layouts
import Parvane
import "../resources/js/app.js" as AppJs

// Base of every page: a title row with optional buttons, a separator line
// and the page's content.
ColumnLayout {
    id: page

    property string title
    property Component titleButtons: null
    property Component content: null
    property var attachedMenu: null
    property bool dataState: false
    // Height of everything around the content: the title row with its
    // margins, the line and the content's margins. It does not depend on the
    // content, so a page may size its content from it.
    readonly property real chromeHeight: Math.max(40, titleRow.implicitHeight) + 10 + 1 + 20

    spacing: 0

    RowLayout {
        id: titleRow
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 15
        Layout.topMargin: 5
        Layout.bottomMargin: 5
        Layout.minimumHeight: 40

        Text {
            Layout.fillWidth: true
            text: "<h2>" + page.title + "</h2>"
            textFormat: Text.StyledText
            color: "#FFFFFF"
            font.pointSize: 12
            elide: Text.ElideRight
        }
        Loader {
            sourceComponent: page.titleButtons
        }
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: Constants.primaryLigthColor
    }

    Loader {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 15
        Layout.topMargin: 10
        Layout.bottomMargin: 10
        sourceComponent: page.content
    }

    Component.onCompleted: {
        if (attachedMenu)
            attachedMenu.active = true
        // Outside the main screen (a page loaded on its own) there is no busy flag.
        if (typeof mainScreen !== "undefined" || typeof root !== "undefined")
            AppJs.stopLoading()
    }
}
