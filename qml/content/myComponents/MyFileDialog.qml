import QtQuick
import QtQuick.Dialogs
import QtCore
import QmlCppBridge
import "../resources/js/app.js" as AppJs

// File picker: one file to open (openMode), a file to save (saveMode), or
// several files to open when neither is set. The selected addresses are
// file URLs; selectedFile and selectedFiles hold them.
//
// In save mode, callers write on saveChosen, not on accepted: a file that
// already exists is replaced only once the user has said so in our own
// question, so the platform's question is turned off.
FileDialog {
    id: dialog

    property bool openMode: false
    property bool saveMode: false

    readonly property alias replaceDialog: replaceDialog

    // The file to write: new, or existing and the user agreed to replace it.
    signal saveChosen(url file)

    // Proposes `name` in the user's documents folder. The name may come from
    // user data (a list name): characters that would make it a path, or that
    // file systems refuse, become "_", so it always stays a plain file name.
    function proposeInDocuments(name) {
        const folder = String(StandardPaths.writableLocation(StandardPaths.DocumentsLocation))
        let safe = String(name).replace(/[\/\\:*?"<>|\u0000-\u001f]/g, "_")
        if (safe === "" || safe === "." || safe === "..")
            safe = "_" + safe
        currentFolder = folder
        selectedFile = folder + "/" + encodeURIComponent(safe)
    }

    // Qt's own labels of its file dialog, which Qt's catalogue leaves in
    // English: listed here so that the interface's translation carries them.
    readonly property var qtDialogTexts: [QT_TRANSLATE_NOOP("FileDialog", "File name"),
                                          QT_TRANSLATE_NOOP("FileDialog", "Filter")]

    acceptLabel: saveMode ? qsTr("Save") : qsTr("Open")
    rejectLabel: qsTr("Cancel")
    fileMode: saveMode ? FileDialog.SaveFile
              : openMode ? FileDialog.OpenFile : FileDialog.OpenFiles
    // The platform would ask again about a file we already asked about.
    options: FileDialog.DontConfirmOverwrite // qmllint disable

    onAccepted: {
        if (!saveMode)
            return
        const file = selectedFile
        if (!QmlCppBridge.fileExists(file)) {
            saveChosen(file)
            return
        }
        replaceDialog.itemData = file
        replaceDialog.open()
    }

    MyConfirmationDialog {
        id: replaceDialog

        objectName: "replaceFileDialog"
        // A dialog is no item: the question opens in the window it belongs to.
        parent: dialog.parentWindow ? dialog.parentWindow.contentItem : null // qmllint disable
        message: qsTr("%1 already exists. Replace it?")
                 .arg(AppJs.fileBaseName(AppJs.urlToString(itemData ? itemData : ""))) // qmllint disable type
        confirmBtnText: qsTr("Replace")
        warningStyle: true
        onConfirmedChanged: dialog.saveChosen(itemData)
    }
}
