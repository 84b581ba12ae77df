import QtQuick
import QtQuick.Layouts
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// The sending lists: each with its progress, play, copy and delete; the add
// dialog; "Delete all". The lists run on the main screen's sequencer, so this
// panel may be replaced during a run and shows the run's state when back.
MyDetailLayout {
    id: detail

    readonly property var sequencer: root.sendingController.sequencer
    readonly property alias addDialog: addDialog

    objectName: "SendingListsDetail"
    spacing: 10

    function deleteList(name) {
        root.sendingLists = root.sendingLists.filter(list => list.name !== name)
    }

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        Layout.bottomMargin: 0
        text: "<h2>" + myTrStrings.task_lists + "</h2>"
        color: "white"
        textFormat: Text.StyledText
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10

        MyLinkButton {
            objectName: "addSendingListLink"
            text: myTrStrings.add_list
            font.pointSize: 12
            icon.source: "../../resources/images/icons/plus.png"
            onClicked: addDialog.open()
        }
        Item {
            Layout.fillWidth: true
        }
        MyButton {
            objectName: "deleteAllSendingListsButton"
            text: myTrStrings.delete_all
            dangerStyle: true
            roundedBtn: true
            // Small: it empties every list, so it does not invite a click.
            font.pointSize: 9
            implicitWidth: contentWidthNeeded + 20
            implicitHeight: 24
            enabled: root.sendingLists.length > 0
            onClicked: deleteAllDialog.open()
        }
    }

    MyNoItem {
        objectName: "noSendingListLabel"
        Layout.fillWidth: true
        visible: root.sendingLists.length === 0
    }

    Repeater {
        model: root.sendingLists

        delegate: ColumnLayout {
            id: entry

            required property var modelData
            required property int index
            readonly property int taskCount: modelData.tasks ? modelData.tasks.length : 0
            readonly property bool runningThis: root.isSendingListRunning && !!root.runningSendingList
                                                && root.runningSendingList.name === modelData.name

            objectName: "sendingListEntry" + index
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            spacing: 4

            RowLayout {
                Layout.fillWidth: true
                spacing: 8

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2

                    MyLabel {
                        objectName: "sendingListName"
                        Layout.fillWidth: true
                        text: entry.modelData.name
                        textFormat: Text.PlainText
                        font.pointSize: 9
                        elide: Text.ElideRight
                    }
                    MyLabel {
                        Layout.fillWidth: true
                        text: entry.runningThis
                              ? qsTr("Task %1 of %2 under way").arg(myTrStrings.number(Math.max(1, entry.modelData.nextTask)))
                                    .arg(myTrStrings.number(entry.taskCount))
                              : qsTr("%Ln task(s)", "", entry.taskCount)
                        font.pointSize: 9
                        font.bold: false
                    }
                }
                MyIconButton {
                    objectName: "playSendingListButton"
                    visible: entry.modelData.nextTask < entry.taskCount
                    enabled: !detail.sequencer.running && !root.isSenderRunning
                    icon.source: "../../resources/images/icons/play.png"
                    text: qsTr("Run this list")
                    secondaryStyle: true
                    onClicked: detail.sequencer.start(entry.modelData)
                }
                MyIconButton {
                    objectName: "scheduleSendingListButton"
                    visible: entry.modelData.nextTask < entry.taskCount
                    enabled: !detail.sequencer.running && !root.isSenderRunning
                    icon.source: "../../resources/images/icons/clock.png"
                    text: qsTr("Schedule this list")
                    onClicked: root.sendingController.openSchedule(entry.modelData.name)
                }
                MyIconButton {
                    objectName: "copySendingListOutputButton"
                    visible: entry.modelData.output !== ""
                    icon.source: "../../resources/images/icons/copy.png"
                    text: qsTr("Copy the log of the last run")
                    onClicked: AppJs.copyToClipboard(entry.modelData.output, myTrStrings.output_copied)
                }
                MyIconButton {
                    objectName: "deleteSendingListButton"
                    enabled: !detail.sequencer.running
                    icon.source: "../../resources/images/icons/delete.png"
                    text: myTrStrings.deleteStr
                    dangerStyle: true
                    onClicked: {
                        deleteOneDialog.itemData = entry.modelData.name
                        deleteOneDialog.open()
                    }
                }
            }
            Rectangle {
                objectName: "sendingListProgress"
                // The share of tasks whose run reached its total.
                readonly property real value: entry.taskCount > 0 ? entry.modelData.done / entry.taskCount : 0
                Layout.fillWidth: true
                implicitHeight: 3
                color: Constants.primaryLigthColor

                Rectangle {
                    width: parent.width * Math.min(1, parent.value)
                    height: parent.height
                    color: Constants.secondaryColor
                }
            }
        }
    }

    Item {
        Layout.fillHeight: true
    }

    AddSendingListDialog {
        id: addDialog
        objectName: "addSendingListDialog"
    }

    MyConfirmationDialog {
        id: deleteAllDialog

        objectName: "deleteAllSendingListsDialog"
        message: myTrStrings.confirmDeleteSearchTasks
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: root.sendingLists = []
    }

    MyConfirmationDialog {
        id: deleteOneDialog

        objectName: "deleteSendingListDialog"
        message: myTrStrings.confirmDeleteSearchTask
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: detail.deleteList(itemData)
    }
}
