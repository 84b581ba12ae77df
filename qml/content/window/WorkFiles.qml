import QtQuick
import QtCore
import QmlCppBridge
import content
import "../resources/js/app.js" as AppJs

// Work files: the message being composed saved to a file and loaded back,
// and the check that tells whether a file can run as a sending-list task.
// The main screen's save(), load(), loadFile() and isValidTask() are these.
Item {
    id: workFiles

    // Kept instead of a missing HTML body: an address beside the main
    // screen's own file that names no file, so loading finds no body.
    required property url emptyHtml
    // The main screen's bridge, which writes and reads the work files.
    required property QmlCppBridge files

    readonly property alias saveDialog: saveDialog
    readonly property alias loadDialog: loadDialog

    function openSave() {
        //: The name proposed for a new work file, without its ending.
        saveDialog.proposeInDocuments(qsTr("my-work") + ".pvsav")
        saveDialog.open()
    }

    // Opens where the save dialog proposes to save.
    function openLoad() {
        loadDialog.currentFolder = StandardPaths.writableLocation(StandardPaths.DocumentsLocation)
        loadDialog.open()
    }

    // The save dialog's answer. A failure is told: the user must not believe
    // the work is safe when it is not. Success names the file written.
    function saveTo(url) {
        AppJs.startLoading() // qmllint disable type
        const path = AppJs.urlToString(url)
        const email = {
            "senderName": root.senderName,
            "subject": root.subject,
            "recipient": root.recipient,
            "emailContent": root.detailEmailContent
        }
        const lists = root.selectedLists.length > 0 ? root.selectedLists : []
        const attachments = root.emailAttachments.length > 0 ? root.emailAttachments : []
        const html = root.detailEmailContentUrl !== "" ? root.detailEmailContentUrl
                                                       : AppJs.urlToString(emptyHtml)
        const saved = files.save(path, email, lists, attachments, html)
        AppJs.stopLoading()
        if (!saved)
            toast.show(qsTr("The work could not be saved in %1.").arg(AppJs.fileBaseName(path)), 5000)
        else
            successToast.show(qsTr("The work was saved in %1.").arg(AppJs.fileBaseName(path)), 5000)
        return saved
    }

    // Fills the compose form from a work file (a path or a file address).
    // A file that cannot be read, or is no work file, leaves the form as it
    // is and says so: every work file the program writes names the form's
    // four text fields.
    function loadFile(file) {
        return applyTask(files.load(AppJs.urlToString(file)), file) // qmllint disable type
    }

    // Fills the form from a task already read (`file` names it in a refusal).
    function applyTask(task, file) {
        AppJs.startLoading() // qmllint disable type
        const email = task.email
        if (task.error === "tooLarge") {
            AppJs.stopLoading()
            toast.show(qsTr("%1 is too large to be a work file: it was not loaded.").arg(AppJs.fileBaseName(file)), 8000)
            return false
        }
        if (!email || Object.keys(email).length === 0) {
            AppJs.stopLoading()
            toast.show(qsTr("%1 could not be read as a work file.").arg(AppJs.fileBaseName(file)), 5000)
            return false
        }
        if (email.senderName !== undefined)
            root.senderName = email.senderName
        if (email.subject !== undefined)
            root.subject = email.subject
        if (email.recipient !== undefined)
            root.recipient = email.recipient
        if (email.emailContent !== undefined)
            root.detailEmailContent = email.emailContent
        if (task.lists !== undefined) {
            const known = root.userContactsLists
            root.selectedLists = task.lists.filter(name => known.indexOf(name) >= 0)
        }
        if (task.attachments !== undefined)
            root.emailAttachments = task.attachments.slice()
        root.detailEmailContentUrl = task.html ? task.html : ""
        root.refreshPage()
        AppJs.stopLoading()
        // Files the work file names but no message may carry are left out, by name.
        const refused = (task.refused || []).map(entry => root.refusalText(entry.path, entry.reason))
        if (refused.length > 0)
            toast.show(qsTr("Left out of the message:") + "\n" + refused.join("\n"), 15000)
        return true
    }

    // Whether the work file at the local path can be sent as a task: a
    // sender, a subject, recipients (typed or lists) and some content.
    function isValidTask(path) {
        return taskIsValid(files.load(path))
    }

    function taskIsValid(task) {
        const email = task.email ? task.email : {}
        const given = value => value !== undefined && value !== null && value !== ""
        const some = array => array !== undefined && array.length > 0
        return given(email.senderName) && given(email.subject)
                && (given(email.recipient) || some(task.lists))
                && (given(email.emailContent) || some(task.attachments) || given(task.html))
    }

    // The task at the local path, read once for checking and loading.
    function readTask(path) {
        return files.load(path)
    }

    MyFileDialog {
        id: saveDialog

        objectName: "saveWorkDialog"
        saveMode: true
        title: myTrStrings.save_work
        nameFilters: [qsTr("Backup file (*.pvsav)")]
        defaultSuffix: "pvsav"
        onSaveChosen: file => workFiles.saveTo(file)
    }

    MyFileDialog {
        id: loadDialog

        objectName: "loadWorkDialog"
        openMode: true
        title: myTrStrings.choose_file
        nameFilters: [qsTr("Backup file (*.pvsav)")]
        onAccepted: workFiles.loadFile(selectedFile)
    }
}
