import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// The main screen's regions: the side menu, the page area (which scrolls as a
// whole when the page is taller than the window), the detail area, and the
// busy bar and wait cursor shown while the screen is busy.
Item {
    id: regions

    required property var screen
    required property Component initialDetail
    readonly property alias sideMenu: sideMenu
    readonly property alias pagesStackView: pagesStackView
    readonly property alias detailStackView: detailStackView
    readonly property alias pagesFlickable: pagesFlickable

    RowLayout {
        anchors.fill: parent
        spacing: 0

        SideMenu {
            id: sideMenu

            screen: regions.screen
            Layout.preferredWidth: 110
            Layout.fillHeight: true
        }

        // Page area: the page scrolls as a whole; the stack is as tall as the page.
        Flickable {
            id: pagesFlickable

            objectName: "pagesFlickable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            enabled: !regions.screen.loading || regions.screen.partialLoading
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            contentWidth: width
            contentHeight: pagesStackView.height
            flickableDirection: Flickable.VerticalFlick

            ScrollBar.vertical: ScrollBar {
                width: 7
                policy: pagesFlickable.contentHeight > pagesFlickable.height
                        ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            MyStackView {
                id: pagesStackView

                objectName: "pagesStackView"
                width: pagesFlickable.width
                height: currentItem ? currentItem.implicitHeight : 0
                // A new page starts at its top.
                onCurrentItemChanged: pagesFlickable.contentY = 0
            }
        }

        MyStackView {
            id: detailStackView

            objectName: "detailStackView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            enabled: !regions.screen.loading || regions.screen.partialLoading
            clip: true
            initialItem: regions.initialDetail
        }
    }

    // Busy bar across the top of the screen.
    MyProgressBar {
        id: busyBar

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 4
        z: 2
        indeterminate: true
        visible: regions.screen.loading
        backgroundColor: "#e6e6e6"
    }

    // While busy the screen shows the wait cursor and takes no input; during a
    // search only the side menu does, and the pages stay usable.
    MouseArea {
        objectName: "busyCursorArea"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: regions.screen.partialLoading ? sideMenu.width : parent.width
        z: 1
        visible: regions.screen.loading
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        cursorShape: Qt.WaitCursor
    }
}
