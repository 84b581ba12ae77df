import QtQuick
import QtQuick.Layouts
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// Creates a sending list: a name and two or more work files, picked with
// the task picker and shown as removable tags. Closing keeps both for the
// next opening.
MyHeaderlessDialog {
    id: dialog

    // Local paths of the chosen work files, in run order.
    property var tasks: []
    property alias listName: nameField.text
    readonly property alias taskPicker: taskPicker

    // The picker's answer: every file checked, repeats and unusable saves left out.
    function addTasks(urls) {
        if (tasks.length + urls.length > Constants.maxSendingListTasks) {
            showToast(qsTr("You cannot add more than %1 tasks to a list.").arg(Constants.maxSendingListTasks))
            return
        }
        const next = tasks.slice()
        let rejected = false
        for (let i = 0; i < urls.length; ++i) {
            const path = AppJs.urlToString(urls[i])
            if (!root.isValidTask(path))
                rejected = true
            else if (next.indexOf(path) < 0)
                next.push(path)
        }
        tasks = next
        if (rejected)
            showToast(myTrStrings.some_saves_cannot_be_used_as_tasks)
    }

    function removeTask(index) {
        const next = tasks.slice()
        next.splice(index, 1)
        tasks = next
    }

    // Confirm: the first failing check is told and the dialog stays open.
    function submit() {
        const name = nameField.text
        let refusal = ""
        if (name === "")
            refusal = myTrStrings.list_name_required
        else if (root.sendingLists.some(list => list.name === name))
            refusal = myTrStrings.sending_list_exists
        else if (tasks.length < 2)
            refusal = myTrStrings.you_must_add_at_least_two_tasks
        if (refusal !== "") {
            showToast(refusal)
            return false
        }
        const record = { "name": name, "tasks": tasks.slice(), "output": "", "done": 0, "nextTask": 0 }
        root.sendingLists = [record].concat(root.sendingLists)
        nameField.text = ""
        tasks = []
        close()
        return true
    }

    width: 500
    height: 500
    onOpened: nameField.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 10
        spacing: 8

        MyLabel {
            Layout.fillWidth: true
            text: myTrStrings.add_new_task_list
            font.pointSize: Constants.dialogTitleFontSize
        }
        MyLabel {
            Layout.fillWidth: true
            text: myTrStrings.list_name
        }
        MyTextField {
            id: nameField
            objectName: "sendingListNameField"
            Layout.fillWidth: true
            placeholderText: myTrStrings.your_list_name
        }
        MyLinkButton {
            objectName: "addTasksLink"
            text: myTrStrings.add_tasks
            font.pointSize: 11
            icon.source: "../../resources/images/icons/plus.png"
            onClicked: taskPicker.open()
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: "transparent"
            border.color: Constants.primaryLigthColor
            radius: 5

            MyScrollColumn {
                anchors.fill: parent
                anchors.margins: 8

                Flow {
                    Layout.fillWidth: true
                    spacing: 6

                    Repeater {
                        model: dialog.tasks

                        delegate: MyTag {
                            required property var modelData
                            required property int index

                            objectName: "taskTag" + index
                            text: AppJs.fileBaseName(modelData) // qmllint disable type
                            removable: true
                            onRemoved: dialog.removeTask(index)
                        }
                    }
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            MyButton {
                objectName: "closeButton"
                text: myTrStrings.close
                onClicked: dialog.close()
            }
            MyButton {
                objectName: "confirmButton"
                text: myTrStrings.confirm
                secondaryStyle: true
                onClicked: dialog.submit()
            }
        }
    }

    MyFileDialog {
        id: taskPicker

        objectName: "taskPicker"
        title: myTrStrings.choose_files
        nameFilters: [qsTr("Backup file (*.pvsav)")]
        onAccepted: dialog.addTasks(selectedFiles)
    }
}
