import QtQuick
import QtQuick.Layouts
import Parvane
import content
import "../search/search.js" as Search

// Every address found so far, in groups by the day it was found (newest
// first): each group can be copied or deleted, and "Delete all" empties the
// whole list. The latest run's own list on the search page is not touched.
MyDetailLayout {
    id: detail

    property var groups: []
    readonly property alias addToListDialog: addDialog

    objectName: "SearchDetail"
    spacing: 10

    Component.onCompleted: updateSearchContactsLists()

    function updateSearchContactsLists() {
        groups = Search.dateGroups(root.searchContacts)
    }

    function recordsOf(date) {
        return root.searchContacts.filter(record => String(record.date) === date)
    }

    function deleteGroup(date) {
        root.searchContacts = root.searchContacts.filter(record => String(record.date) !== date)
        updateSearchContactsLists()
    }

    function deleteAll() {
        root.searchContacts = []
        groups = []
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.margins: 10
        Layout.bottomMargin: 0

        MyLabel {
            Layout.fillWidth: true
            text: "<h2>" + myTrStrings.search_results + "</h2>"
            color: "white"
            textFormat: Text.StyledText
        }
        MyButton {
            objectName: "deleteAllSearchResultsButton"
            text: myTrStrings.delete_all
            dangerStyle: true
            font.pointSize: 9
            implicitWidth: contentWidthNeeded + 20
            implicitHeight: 24
            enabled: root.searchContacts.length > 0
            onClicked: deleteAllDialog.open()
        }
    }

    MyNoItem {
        objectName: "noSearchResultLabel"
        Layout.fillWidth: true
        visible: detail.groups.length === 0
    }

    Repeater {
        model: detail.groups

        delegate: RowLayout {
            id: entry

            required property var modelData
            required property int index

            objectName: "searchResultGroup" + index
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            spacing: 8

            MyLabel {
                objectName: "searchGroupCount"
                text: qsTr("%Ln email(s)", "", entry.modelData.count)
                textFormat: Text.PlainText
                font.pointSize: 9
            }
            MyLabel {
                objectName: "searchGroupDate"
                Layout.fillWidth: true
                // Stored text: shown as it is, never as markup.
                text: entry.modelData.date
                textFormat: Text.PlainText
                font.pointSize: 9
                font.bold: false
                elide: Text.ElideRight
            }
            MyIconButton {
                objectName: "copySearchGroupButton"
                icon.source: "../../resources/images/icons/copy.png"
                text: myTrStrings.copy
                onClicked: root.copyContacts(detail.recordsOf(entry.modelData.date))
            }
            MyIconButton {
                objectName: "addSearchGroupToListButton"
                icon.source: "../../resources/images/icons/list.png"
                text: qsTr("Add to a list")
                onClicked: addDialog.offer(detail.recordsOf(entry.modelData.date).map(r => r.email))
            }
            MyIconButton {
                objectName: "deleteSearchGroupButton"
                icon.source: "../../resources/images/icons/delete.png"
                text: myTrStrings.deleteStr
                dangerStyle: true
                onClicked: {
                    deleteOneDialog.itemData = entry.modelData.date
                    deleteOneDialog.open()
                }
            }
        }
    }

    Item {
        Layout.fillHeight: true
    }

    AddToListDialog {
        id: addDialog
    }

    MyConfirmationDialog {
        id: deleteAllDialog

        objectName: "deleteAllSearchResultsDialog"
        message: myTrStrings.confirmDeleteSearchResults
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: detail.deleteAll()
    }

    MyConfirmationDialog {
        id: deleteOneDialog

        objectName: "deleteSearchResultDialog"
        message: myTrStrings.confirmDeleteSearchResult
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: detail.deleteGroup(itemData)
    }
}
