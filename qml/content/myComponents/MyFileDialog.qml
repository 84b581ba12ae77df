import QtQuick
import QtQuick.Dialogs

// File picker: one file to open (openMode), a file to save (saveMode), or
// several files to open when neither is set. The selected addresses are
// file URLs; selectedFile and selectedFiles hold them.
FileDialog {
    property bool openMode: false
    property bool saveMode: false

    fileMode: saveMode ? FileDialog.SaveFile
              : openMode ? FileDialog.OpenFile : FileDialog.OpenFiles
}
