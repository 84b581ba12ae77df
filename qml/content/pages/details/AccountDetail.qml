import QtQuick
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content
import "../../resources/js/app.js" as AppJs

// The account panel: shows the account at detailAccount, edits it (a change
// is kept only once a test message went through it) and deletes it.
MyDetailLayout {
    id: detail

    // The record as stored when the panel was built or last saved.
    property var account
    readonly property alias form: form
    readonly property alias deleteDialog: deleteDialog

    // Fills the form from the stored record, selecting the preset whose host,
    // port and connection it has (locked), or "Other" (editable).
    function setServerCombobox() {
        account = root.userComptes[root.detailAccount]
        if (!account)
            return
        form.senderName = account.senderName
        form.serverName = account.serverName
        form.host = account.serverHost
        form.port = account.serverPort
        form.address = account.address
        form.password = root.accountPassword(account)
        form.presetIndex = form.matchingPreset(account.serverHost, account.serverPort,
                                               account.connection)
        form.serverLocked = form.presetIndex !== form.otherPresetIndex
        form.selectConnection(account.connection)
        const limits = root.limitsOf(account)
        form.limitDay = limits.limitDay
        form.limitHour = limits.limitHour
        form.limitMinute = limits.limitMinute
        form.imapEnabled = !!account.imapHost
        form.imapHost = account.imapHost || ""
        form.imapPort = account.imapPort || ""
        form.selectImapConnection(account.imapConnection || "SSL")
        form.imapUsername = account.imapUsername || ""
        form.imapFolder = account.imapFolder || ""
        form.imapPassword = account.imapHost ? root.secrets.secret(root.mailboxSecretName(account.address)) : ""
        form.imapTestText = ""
        // What was stored went through its login test then.
        form.provenImapSettings = form.imapSettings
        form.signedInWith = root.isOAuthAccount(account) ? account.auth : ""
        form.accessToken = form.signedInWith !== "" ? root.freshToken(account.address) : ""
    }


    // Saves the form over the stored record once a test message went through.
    // The account a run under way sends through is kept as it is until the run ends.
    function inUseByRun() {
        return root.runInputsLocked && !!account && account.address === root.userActiveCompte
    }

    function refuseWhileInUse() {
        if (!inUseByRun())
            return false
        toast.show(qsTr("A sending run is using this account: it can be changed once the run has ended."), 5000)
        return true
    }

    // The form differs from the stored account in its sending limits alone.
    function onlyLimitsChanged() {
        const record = form.record()
        const limitKeys = ["limitDay", "limitHour", "limitMinute", "password"]
        const keys = Object.keys(record).concat(Object.keys(account))
                           .filter(key => limitKeys.indexOf(key) < 0)
        return keys.every(key => String(record[key] || "") === String(account[key] || ""))
                && record.password === root.accountPassword(account)
                && (form.imapSettings === "" || form.imapPassword
                    === root.secrets.secret(root.mailboxSecretName(account.address)))
    }

    function updateAccount() {
        if (root.loading || !account)
            return
        // New limits alone are kept at once, even for the account a run uses:
        // a run that waits for them looks again.
        if (onlyLimitsChanged()) {
            const accounts = root.userComptes.slice()
            accounts[root.detailAccount] = Object.assign({}, account, {
                "limitDay": form.limitDay, "limitHour": form.limitHour, "limitMinute": form.limitMinute })
            root.userComptes = accounts
            account = accounts[root.detailAccount]
            successToast.show(myTrStrings.account_has_been_updated, 5000)
            return
        }
        if (refuseWhileInUse())
            return
        if (form.signedInWith !== "" && form.accessToken === "") {
            toast.show(qsTr("Sign in again with %1 first.").arg(Constants.oauthProviders[form.signedInWith].label), 5000)
            return
        }
        // The address is the account's identity: always the stored one.
        form.address = account.address
        const refusal = form.missingFieldText()
        if (refusal !== "") {
            toast.show(refusal, 5000)
            return
        }
        AppJs.startLoading()
        const result = form.testSend()
        if (!result || result.error !== false) {
            toast.show(result ? result.text : "", 5000)
        } else {
            const record = form.record()
            root.keepPassword(record.address, record.password)
            root.keepMailboxPassword(record.address, form.imapSettings !== "" ? form.imapPassword : "")
            record.password = ""
            const accounts = root.userComptes.slice()
            accounts[root.detailAccount] = record
            root.userComptes = accounts
            account = accounts[root.detailAccount]
            successToast.show(myTrStrings.account_has_been_updated, 5000)
        }
        AppJs.stopLoading()
    }

    function deleteAccount() {
        const gone = root.userComptes[root.detailAccount]
        if (gone) {
            root.keepPassword(gone.address, "")
            root.keepMailboxPassword(gone.address, "")
        }
        const accounts = root.userComptes.slice()
        accounts.splice(root.detailAccount, 1)
        root.userComptes = accounts
        root.loadEmptyDetail()
    }

    objectName: "AccountDetail"
    spacing: 15

    Component.onCompleted: setServerCombobox()

    AccountHeaderCard {
        Layout.fillWidth: true
        Layout.margins: 10
        Layout.bottomMargin: 0
        visible: detail.account !== undefined
        account: detail.account
        isActive: detail.account !== undefined && detail.account.address === root.userActiveCompte
        onDeleteClicked: if (!detail.refuseWhileInUse()) deleteDialog.open()
    }

    MyLabel {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        visible: detail.account !== undefined
        text: "<h2>" + myTrStrings.edit_account + "</h2>"
        textFormat: Text.StyledText
        color: "#FFFFFF"
    }

    AccountForm {
        id: form

        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 15
        visible: detail.account !== undefined
        addressReadOnly: true
    }

    // Signs the account in again with its provider: a new refresh token,
    // for the same address only.
    ProviderSignIn {
        id: signIn

        onSignedIn: signedIn => {
            if (signedIn.address.toLowerCase() !== detail.account.address.toLowerCase()) {
                statusText = qsTr("You signed in as %1, not as %2: nothing was changed.")
                             .arg(signedIn.address).arg(detail.account.address)
                return
            }
            root.keepTokens(detail.account.address, signedIn)
            form.accessToken = signedIn.accessToken
            statusText = qsTr("Signed in again as %1.").arg(detail.account.address)
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 15
        visible: detail.account !== undefined && root.isOAuthAccount(detail.account)

        MyLabel {
            objectName: "signInText"
            Layout.fillWidth: true
            text: signIn.statusText
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            font.bold: false
        }
        MyButton {
            objectName: "signInAgainButton"
            text: detail.account && root.isOAuthAccount(detail.account)
                  ? qsTr("Sign in again with %1").arg(Constants.oauthProviders[detail.account.auth].label) : ""
            secondaryStyle: true
            enabled: !signIn.busy
            onClicked: signIn.begin(detail.account.auth)
        }
    }

    RowLayout {
        Layout.alignment: Qt.AlignRight
        Layout.rightMargin: 15
        visible: detail.account !== undefined
        spacing: 10

        MyButton {
            objectName: "cancelEditButton"
            text: myTrStrings.cancel
            onClicked: detail.setServerCombobox()
        }
        MyButton {
            objectName: "confirmEditButton"
            text: myTrStrings.confirm
            secondaryStyle: true
            onClicked: detail.updateAccount()
        }
    }

    MyNoItem {
        Layout.fillWidth: true
        visible: detail.account === undefined
    }

    Item {
        Layout.fillHeight: true
    }

    MyConfirmationDialog {
        id: deleteDialog

        objectName: "deleteAccountDialog"
        dangerStyle: true
        confirmBtnText: myTrStrings.deleteStr
        message: detail.account ? qsTr("Are you sure you want to delete the account %1 ?")
                                  .arg(detail.account.address) : ""
        onConfirmedChanged: detail.deleteAccount()
    }
}
