import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content

// The server refused the login: the run waits, and goes on with the
// password typed here (for this run only; the account keeps its own) or
// stops. One refusal, one question: nothing logs in meanwhile.
MyHeaderlessDialog {
    id: dialog

    required property SendingRun run
    // The refusal, said plainly with the server's reply.
    property string reason: ""

    function goOn() {
        if (passwordField.text === "")
            return
        const password = passwordField.text
        passwordField.text = ""
        if (dialog.run.continueWithPassword(password))
            dialog.close()
    }

    width: 460
    height: 320
    closePolicy: Popup.NoAutoClose
    onAboutToShow: passwordField.text = ""

    // Stopped elsewhere, or gone on: nothing left to ask.
    Connections {
        target: dialog.run
        function onStateChanged() {
            if (dialog.visible && dialog.run.pauseReason !== "login")
                dialog.close()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        anchors.topMargin: 0
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: qsTr("Password refused")
            font.pointSize: 17
            color: "white"
        }
        MyLabel {
            objectName: "runPasswordReason"
            Layout.fillWidth: true
            Layout.fillHeight: true
            // Plain text: the server's reply is the server's.
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            text: dialog.reason + "\n\n"
                  + qsTr("Sending is paused. Type the account's password to go on; it is used for this run only.")
        }
        MyTextField {
            id: passwordField
            objectName: "runPasswordField"
            Layout.fillWidth: true
            placeholderText: myTrStrings.your_password
            echoMode: TextInput.Password
            onAccepted: dialog.goOn()
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            MyButton {
                objectName: "runPasswordStopButton"
                text: myTrStrings.stop
                dangerStyle: true
                onClicked: {
                    dialog.close()
                    dialog.run.stop()
                }
            }
            MyButton {
                objectName: "runPasswordContinueButton"
                text: qsTr("Go on")
                secondaryStyle: true
                enabled: passwordField.text !== ""
                onClicked: dialog.goOn()
            }
        }
    }
}
