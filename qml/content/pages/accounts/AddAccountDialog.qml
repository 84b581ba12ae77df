import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Qt.labs.settings
import Parvane
import content
import "../../resources/js/app.js" as AppJs
import "../../resources/js/storedValues.js" as StoredValues

// The add-account dialog. It remembers the chosen server between runs (not
// the sender name, address or password), and stores a new account only after
// a test message went through it.
MyHeaderlessDialog {
    id: dialog

    readonly property alias form: form
    // Set once the remembered values are back: changes made while the dialog
    // is being built must not overwrite them.
    property bool restored: false

    // Whole text of an address: a local part of the permitted characters, one
    // "@", and a domain of dot-separated labels (a single label will do).
    readonly property var addressPattern: /^[A-Za-z0-9.!#$%&'*+\/=?^_`{|}~-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)*$/

    function setServer(index) {
        form.setServer(index)
    }

    function accountExists(address) {
        return root.userComptes.some(account => account.address === address)
    }

    // Adds the account the form describes; the first failing check ends it
    // with a toast in the dialog.
    function addAccount() {
        // The test send waits in a nested event loop: ignore a second press meanwhile.
        if (root.loading)
            return
        const refusal = form.missingFieldText()
        if (refusal !== "") {
            showToast(refusal)
            return
        }
        if (!addressPattern.test(form.address)) {
            showToast(myTrStrings.invalid_email)
            return
        }
        AppJs.startLoading()
        if (accountExists(form.address)) {
            showToast(myTrStrings.account_already_exists)
            AppJs.stopLoading()
            return
        }
        const result = form.testSend()
        if (!result || result.error !== false) {
            showToast(result ? result.text : "")
            AppJs.stopLoading()
            return
        }
        const accounts = root.userComptes.slice()
        accounts.unshift(form.record())
        root.userComptes = accounts
        form.address = ""
        form.password = ""
        close()
        root.detailAccount = 0
        root.loadDatail(accountDetailComponent)
        AppJs.stopLoading()
    }

    // Writes the remembered server choice after each change.
    function remember() {
        if (!restored)
            return
        accountStore.currentServer = form.presetIndex
        accountStore.currentServerName = form.serverName
        accountStore.currentHost = form.host
        accountStore.currentPort = form.port
        accountStore.currentConnection = form.connectionIndex
    }

    // Restores the remembered server choice (the first preset when none was
    // chosen yet) and applies the selected preset.
    function restore() {
        const V = StoredValues
        const presetIndex = V.integer(accountStore.currentServer, -1)
        const connectionIndex = V.integer(accountStore.currentConnection, -1)
        const serverName = V.text(accountStore.currentServerName, "")
        const host = V.text(accountStore.currentHost, "")
        const port = V.text(accountStore.currentPort, "")
        form.serverName = serverName
        form.host = host
        form.port = port
        form.connectionIndex = connectionIndex >= 0 && connectionIndex < Constants.smtpConnections.length
                ? connectionIndex : -1
        form.presetIndex = presetIndex >= 0 && presetIndex < Constants.mailsServers.length
                ? presetIndex : 0
        setServer(form.presetIndex)
        restored = true
        remember()
    }

    objectName: "addAccountDialog"
    width: 500
    // Tall enough for every field, as far as the window allows.
    height: Math.min(header.implicitHeight + fields.implicitHeight + buttons.implicitHeight + 40,
                     parent ? parent.height - 20 : 510)

    Component.onCompleted: restore()

    Settings {
        id: accountStore
        category: "account"
        property var currentServer
        property var currentServerName
        property var currentHost
        property var currentPort
        property var currentConnection
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.bottomMargin: 15
        spacing: 12

        // The fields scroll when the window is too low for them; the
        // buttons stay in sight inside the frame.
        MyScrollColumn {
            id: fields

            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 12

            MyLabel {
                Layout.fillWidth: true
                text: "<h2>" + myTrStrings.add_new_account + "</h2>"
                textFormat: Text.StyledText
                color: "#FFFFFF"
            }

            AccountForm {
                id: form

                Layout.fillWidth: true
                onServerNameChanged: dialog.remember()
                onHostChanged: dialog.remember()
                onPortChanged: dialog.remember()
                onPresetIndexChanged: dialog.remember()
                onConnectionIndexChanged: dialog.remember()
            }
        }

        RowLayout {
            id: buttons

            Layout.alignment: Qt.AlignRight
            spacing: 10

            MyButton {
                objectName: "closeAddAccountButton"
                text: myTrStrings.close
                onClicked: dialog.close()
            }
            MyButton {
                objectName: "confirmAddAccountButton"
                text: myTrStrings.confirm
                secondaryStyle: true
                enabled: !root.loading
                onClicked: dialog.addAccount()
            }
        }
    }
}
