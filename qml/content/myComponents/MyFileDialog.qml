import QtQuick
import QtQuick.Dialogs
import QtCore

// File picker: one file to open (openMode), a file to save (saveMode), or
// several files to open when neither is set. The selected addresses are
// file URLs; selectedFile and selectedFiles hold them.
FileDialog {
    property bool openMode: false
    property bool saveMode: false

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

    fileMode: saveMode ? FileDialog.SaveFile
              : openMode ? FileDialog.OpenFile : FileDialog.OpenFiles
}
