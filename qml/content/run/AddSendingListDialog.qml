import QtQuick
import QtQuick.Layouts
import Parvane
import content
import "../resources/js/app.js" as AppJs

// Creates a sending list: a name and two or more work files, picked with
// the task picker and shown as removable tags. Closing keeps both for the
// next opening.
MyHeaderlessDialog {
    id: dialog

    // Local paths of the chosen work files, in run order, and the digest of
    // each as the user reviewed it.
    property var tasks: []
    property var digests: []
    property alias listName: nameField.text
    readonly property alias taskPicker: taskPicker
    readonly property alias reviewDialog: reviewDialog

    // The picker's answer: every file checked, repeats and unusable saves
    // left out, and the rest shown for review before they are added.
    function addTasks(urls) {
        if (tasks.length + urls.length > Constants.maxSendingListTasks) {
            showToast(qsTr("You cannot add more than %Ln task(s) to a list.", "", Constants.maxSendingListTasks))
            return
        }
        const pending = []
        let rejected = 0
        for (let i = 0; i < urls.length; ++i) {
            const path = AppJs.urlToString(urls[i])
            const task = root.workFiles.readTask(path)
            if (!root.workFiles.taskIsValid(task))
                ++rejected
            else if (tasks.indexOf(path) < 0 && !pending.some(entry => entry.path === path))
                pending.push({ "path": path, "task": task })
        }
        if (rejected > 0)
            showToast(qsTr("%Ln file(s) cannot be used as tasks: a task needs a sender name, a subject, recipients and some content.",
                           "", rejected))
        if (pending.length > 0)
            reviewDialog.review(pending)
    }

    // The reviewed files join the list with the digests of what was shown.
    function addReviewed(entries) {
        const nextTasks = tasks.slice()
        const nextDigests = digests.slice()
        for (const entry of entries) {
            if (nextTasks.indexOf(entry.path) >= 0)
                continue
            nextTasks.push(entry.path)
            nextDigests.push(entry.task.digest)
        }
        tasks = nextTasks
        digests = nextDigests
    }

    function removeTask(index) {
        const next = tasks.slice()
        next.splice(index, 1)
        tasks = next
        const nextDigests = digests.slice()
        nextDigests.splice(index, 1)
        digests = nextDigests
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
        const record = { "name": name, "tasks": tasks.slice(), "output": "", "done": 0, "nextTask": 0,
                         "digests": digests.slice() }
        root.sendingLists = [record].concat(root.sendingLists)
        nameField.text = ""
        tasks = []
        digests = []
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
            icon.source: "../resources/images/icons/plus.png"
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
                            width: Math.min(implicitWidth, parent ? parent.width : implicitWidth)
                            wrapText: true
                            text: modelData
                            removable: true
                            onRemoved: dialog.removeTask(index)
                        }
                    }
                }
            }
        }
        MyDialogButtons {
            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.submit()
        }
    }

    TaskReviewDialog {
        id: reviewDialog
        objectName: "addTasksReviewDialog"
        onConfirmed: reviewed => dialog.addReviewed(reviewed)
    }

    MyFileDialog {
        id: taskPicker

        objectName: "taskPicker"
        title: myTrStrings.choose_files
        nameFilters: [qsTr("Backup file (*.pvsav)")]
        onAccepted: dialog.addTasks(selectedFiles)
    }
}
