import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// A run cut short (the program was killed, crashed or the session ended),
// or stopped before the program was quit: resuming sends only to the
// recipients who have no outcome yet.
MyHeaderlessDialog {
    id: dialog

    property var interrupted: ({})

    signal resumeRequested()
    signal discardRequested()

    width: 460
    height: 300
    closePolicy: Popup.NoAutoClose

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        anchors.topMargin: 0
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: dialog.interrupted.stopped ? qsTr("Stopped sending run") : qsTr("Interrupted sending run")
            font.pointSize: 17
            color: "white"
        }
        MyLabel {
            objectName: "resumeText"
            Layout.fillWidth: true
            Layout.fillHeight: true
            // Plain text: the subject is the user's.
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            text: (dialog.interrupted.stopped
                   ? qsTr("You stopped the run \"%3\" from %2 after %1 of %Ln recipient(s).", "",
                          dialog.interrupted.total || 0)
                   : qsTr("The run \"%3\" from %2 stopped after %1 of %Ln recipient(s).", "",
                          dialog.interrupted.total || 0))
                  .arg(myTrStrings.number(dialog.interrupted.done || 0))
                  .arg(dialog.interrupted.account || "").arg(dialog.interrupted.subject || "")
                  + " " + qsTr("Resuming sends the same message to the other %Ln, and to nobody twice.", "",
                               dialog.interrupted.left || 0)
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            MyButton {
                objectName: "discardRunButton"
                text: qsTr("Discard")
                dangerStyle: true
                onClicked: {
                    dialog.close()
                    dialog.discardRequested()
                }
            }
            MyButton {
                objectName: "resumeRunButton"
                text: qsTr("Resume")
                secondaryStyle: true
                onClicked: {
                    dialog.close()
                    dialog.resumeRequested()
                }
            }
        }
    }
}
