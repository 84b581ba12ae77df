import QtQuick
import QtQuick.Controls.impl
import QtQuick.Layouts
import Parvane

// Asks before a destructive action. Each confirmation flips `confirmed`, so
// owners act on its change: a second confirmation is a second change.
MyHeaderlessDialog {
    id: control

    property string message
    property string confirmBtnText: typeof myTrStrings !== "undefined" ? myTrStrings.confirm : "Confirm"
    property string closeBtnText: typeof myTrStrings !== "undefined" ? myTrStrings.cancel : "Cancel"
    property bool successStyle: false
    property bool warningStyle: false
    property bool dangerStyle: false
    property bool confirmed: false
    property var itemData

    function confirm() {
        confirmed = !confirmed
        close()
    }

    width: 350
    height: 250

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        anchors.topMargin: 0
        spacing: 10

        IconImage {
            Layout.alignment: Qt.AlignHCenter
            sourceSize.width: 64
            sourceSize.height: 64
            source: "../resources/images/icons/warning.png"
            color: Constants.warningLigthColor3
        }

        Text {
            Layout.fillWidth: true
            Layout.fillHeight: true
            text: control.message
            // The message names the user's list, contact or account.
            textFormat: Text.PlainText
            color: Constants.primaryLigthColor4
            font.pointSize: Constants.labelFontSize
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
            elide: Text.ElideRight
        }

        MyDialogButtons {
            Layout.alignment: Qt.AlignHCenter
            closeText: control.closeBtnText
            confirmText: control.confirmBtnText
            successStyle: control.successStyle
            warningStyle: control.warningStyle
            dangerStyle: control.dangerStyle
            onCloseClicked: control.close()
            onConfirmClicked: control.confirm()
        }
    }
}
