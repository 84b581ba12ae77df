import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content
import "../../resources/js/app.js" as AppJs
import "../../resources/js/storedKeys.js" as StoredKeys

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
        if (!root.contactBook.isValidEmail(form.address)) {
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
        // The password goes to the keychain; the stored record keeps it empty.
        const record = form.record()
        if (form.signedInWith !== "")
            root.keepTokens(record.address, signIn.token)
        root.keepPassword(record.address, record.password)
        root.keepMailboxPassword(record.address, form.imapSettings !== "" ? form.imapPassword : "")
        record.password = ""
        const accounts = root.userComptes.slice()
        accounts.unshift(record)
        root.userComptes = accounts
        form.address = ""
        form.password = ""
        form.imapPassword = ""
        form.signedInWith = ""
        form.accessToken = ""
        close()
        root.detailAccount = 0
        root.loadDatail(accountDetailComponent)
        AppJs.stopLoading()
    }

    // Restores the remembered server choice (the first preset when none was
    // chosen yet), keeps the store following the form, and applies the preset.
    function restore() {
        StoredKeys.bind(root.settingsStore, form, "accountForm")
        if (form.connectionIndex < -1 || form.connectionIndex >= Constants.smtpConnections.length)
            form.connectionIndex = -1
        if (form.presetIndex < 0 || form.presetIndex >= Constants.mailsServers.length)
            form.presetIndex = 0
        setServer(form.presetIndex)
        restored = true
    }

    // Signs the account in with Microsoft or Google in the browser; the
    // address comes back from the provider, then the test message proves
    // the account with the token as it does with a password.
    function signInWith(provider) {
        const preset = Constants.oauthProviders[provider].preset
        if (form.presetIndex !== form.otherPresetIndex && form.presetIndex !== preset) {
            form.presetIndex = preset
            form.setServer(preset)
        }
        signIn.begin(provider)
    }

    ProviderSignIn {
        id: signIn

        property var token: ({})

        onSignedIn: account => {
            token = account
            form.address = account.address
            form.password = ""
            form.signedInWith = provider
            form.accessToken = account.accessToken
            statusText = qsTr("Signed in as %1: Parvane now sends a test message.").arg(account.address)
            dialog.addAccount()
        }
    }

    objectName: "addAccountDialog"
    width: 500
    // Tall enough for every field, as far as the window allows.
    height: Math.min(header.implicitHeight + fields.implicitHeight + buttons.implicitHeight + 40,
                     parent ? parent.height - 20 : 510)

    Component.onCompleted: restore()

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

            objectName: "addAccountFields"
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 12

            MyLabel {
                Layout.fillWidth: true
                text: "<h2>" + myTrStrings.add_new_account + "</h2>"
                textFormat: Text.StyledText
                color: "#FFFFFF"
            }

            // Signing in with the provider, which Microsoft and Google require,
            // first: for their accounts it stands for the password below.
            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                MyButton {
                    objectName: "signInMicrosoftButton"
                    text: qsTr("Sign in with Microsoft")
                    secondaryStyle: true
                    enabled: !signIn.busy && !root.loading
                    onClicked: dialog.signInWith("microsoft")
                }
                MyButton {
                    objectName: "signInGoogleButton"
                    text: qsTr("Sign in with Google")
                    secondaryStyle: true
                    enabled: !signIn.busy && !root.loading
                    onClicked: dialog.signInWith("google")
                }
                MyButton {
                    objectName: "cancelSignInButton"
                    visible: signIn.busy
                    text: myTrStrings.cancel
                    onClicked: signIn.cancel()
                }
            }
            MyLabel {
                objectName: "signInText"
                Layout.fillWidth: true
                visible: text !== ""
                text: signIn.statusText
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                font.bold: false
            }

            AccountForm {
                id: form

                Layout.fillWidth: true
            }
        }

        MyDialogButtons {
            id: buttons

            closeName: "closeAddAccountButton"
            confirmName: "confirmAddAccountButton"
            confirmEnabled: !root.loading
            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.addAccount()
        }
    }
}
