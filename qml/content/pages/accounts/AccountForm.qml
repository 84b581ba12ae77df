import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// The fields of an SMTP account, shared by the add dialog and the account
// panel: sender name, server preset, server name, host, port, connection,
// address and password. It also runs the test message that proves an account
// works before it is stored.
GridLayout {
    id: form

    property alias senderName: senderNameField.text
    property alias serverName: serverNameField.text
    property alias host: hostField.text
    property alias port: portField.text
    property alias address: addressField.text
    property alias password: passwordField.text
    property alias presetIndex: presetCombo.currentIndex
    property alias connectionIndex: connectionCombo.currentIndex
    property alias addressReadOnly: addressField.readOnly
    // The mailbox is read only when the user asks for it.
    property alias imapEnabled: imapBox.checked
    property alias imapHost: imapHostField.text
    property alias imapPort: imapPortField.text
    property alias imapConnectionIndex: imapConnectionCombo.currentIndex
    property alias imapUsername: imapUsernameField.text
    property alias imapFolder: imapFolderField.text
    // Empty: the mailbox takes the account's password.
    property alias imapPassword: imapPasswordField.text
    // The IMAP settings a login went through with (or that were stored so):
    // others are kept only once their login test succeeds.
    property string provenImapSettings: ""
    // Signed in with a provider ("microsoft", "google"): its access token
    // stands for the password.
    property string signedInWith: ""
    property string accessToken: ""
    property string testedImapSettings: ""
    property bool imapTesting: false
    property string imapTestText: ""
    // Messages the account may send per rolling day, hour and minute; "" for no limit.
    property alias limitDay: limitDayField.text
    property alias limitHour: limitHourField.text
    property alias limitMinute: limitMinuteField.text
    // True while a preset other than "Other" fixes the server fields.
    property bool serverLocked: false

    // The user picked a preset in the list (not a programmatic change).
    signal presetActivated(int index)

    readonly property int otherPresetIndex: Constants.mailsServers.length - 1

    // Stored value of the chosen connection, never its translated label.
    readonly property string connectionValue: connectionIndex >= 0
                                              && connectionIndex < Constants.smtpConnections.length
                                              ? Constants.smtpConnections[connectionIndex].value : ""

    readonly property string imapConnectionValue: Constants.imapConnections[Math.max(0, imapConnectionIndex)]
    readonly property string imapSettings: !imapEnabled || imapHost === "" ? ""
                                           : imapHost + "\n" + imapPort + "\n" + imapConnectionValue
                                             + "\n" + imapUsername + "\n" + address + "\n" + imapPassword

    function selectImapConnection(value) {
        imapConnectionIndex = Math.max(0, Constants.imapConnections.indexOf(value))
    }

    function fillImapFromPreset() {
        const preset = Constants.mailsServers[presetIndex]
        if (!preset || preset.imapHost === "")
            return
        imapHost = preset.imapHost
        imapPort = preset.imapPort
        selectImapConnection("SSL")
    }

    // The account as the mailbox check takes it.
    function mailboxAccount() {
        return {
            "address": address, "password": imapPassword !== "" ? imapPassword : password, "imapHost": imapHost, "imapPort": imapPort,
            "imapConnection": imapConnectionValue, "imapUsername": imapUsername,
            "imapFolder": imapFolder
        }
    }

    // Logs in to the mailbox with the form's settings; the answer comes by
    // the watcher's loginTested.
    function testImapLogin() {
        if (imapHost === "" || imapTesting)
            return
        if (imapPort !== "" && !portInRange(imapPort)) {
            imapTestText = qsTr("The IMAP port must be a number from 1 to 65535.")
            return
        }
        imapTestText = qsTr("Logging in to the mailbox…")
        imapTesting = root.mailboxWatcher.testLogin(mailboxAccount())
        if (imapTesting)
            testedImapSettings = imapSettings
    }

    Connections {
        target: root.mailboxWatcher
        enabled: form.imapTesting
        function onLoginTested(ok, error) {
            form.imapTesting = false
            if (ok)
                form.provenImapSettings = form.testedImapSettings
            form.imapTestText = ok ? qsTr("The mailbox login went through.")
                                   : qsTr("The mailbox login failed: %1").arg(error)
        }
    }

    // The English names and labels of the tables, as the user reads them.
    function translated(text) {
        switch (text) {
        case "Other":
            return qsTr("Other")
        case "Auto":
            return qsTr("Auto")
        case "None":
            return qsTr("None")
        default:
            return text
        }
    }

    // Selects the connection choice whose label reads as the given value.
    function selectConnection(value) {
        const label = translated(value)
        for (let i = 0; i < Constants.smtpConnections.length; ++i) {
            if (translated(Constants.smtpConnections[i].label) === label) {
                connectionIndex = i
                return
            }
        }
    }

    // Applies the preset at index: a fixed preset fills and locks the server
    // fields; "Other" frees them and keeps what they hold.
    function setServer(index) {
        const preset = Constants.mailsServers[index]
        if (!preset)
            return
        serverName = translated(preset.name)
        if (index === otherPresetIndex) {
            serverLocked = false
            if (connectionIndex < 0)
                connectionIndex = 0
        } else {
            host = preset.host
            port = preset.port
            selectConnection(preset.connection)
            serverLocked = true
            if (imapEnabled)
                fillImapFromPreset()
        }
        // Another server, other limits: "Other" has none until they are typed.
        limitDay = preset.limitDay
        limitHour = preset.limitHour
        limitMinute = preset.limitMinute
    }

    // Index of the fixed preset with exactly this host, port and connection,
    // or of "Other" when none has them all.
    function matchingPreset(serverHost, serverPort, connection) {
        for (let i = 0; i < otherPresetIndex; ++i) {
            const preset = Constants.mailsServers[i]
            if (preset.host === serverHost && preset.port === serverPort
                    && preset.connection === connection)
                return i
        }
        return otherPresetIndex
    }

    // The first of the required-field checks that fails, as its refusal
    // text, or "" when all pass. Texts are taken as typed: nothing is trimmed.
    function missingFieldText() {
        if (senderName.length === 0)
            return myTrStrings.displayed_name_is_required
        if (serverName.length === 0)
            return myTrStrings.server_name_is_required
        if (host.length === 0)
            return myTrStrings.smtp_host_is_required
        if (port.length === 0)
            return myTrStrings.smtp_port_is_required
        // A larger number would wrap round to another port (70000 to 4464).
        if (!form.portInRange(port))
            return qsTr("The SMTP port must be a number from 1 to 65535.")
        if (address.length === 0)
            return myTrStrings.email_address_is_required
        if ((connectionValue === "SSL" || connectionValue === "TLS") && password.length === 0
                && accessToken === "")
            return myTrStrings.password_is_required
        if (imapSettings !== "" && imapSettings !== provenImapSettings)
            return qsTr("Test the mailbox login before the IMAP settings are kept.")
        return ""
    }

    function portInRange(text) {
        const value = Number(text)
        return /^[0-9]+$/.test(String(text)) && value >= 1 && value <= 65535
    }

    // The account record the form describes, fields in their stored order.
    function record() {
        const account = {
            "senderName": senderName,
            "serverName": serverName,
            "serverHost": host,
            "serverPort": port,
            "connection": connectionValue,
            "address": address,
            "password": password
        }
        if (signedInWith !== "")
            account.auth = signedInWith
        // Kept even when empty: no limit is the user's choice, not the preset's.
        Object.assign(account, { "limitDay": limitDay, "limitHour": limitHour, "limitMinute": limitMinute })
        // An account whose mailbox is not read is stored as before.
        if (imapSettings !== "")
            Object.assign(account, {
                "imapHost": imapHost, "imapPort": imapPort, "imapConnection": imapConnectionValue,
                "imapUsername": imapUsername, "imapFolder": imapFolder
            })
        return account
    }

    // Sends the fixed test message through the form's server and account and
    // returns the delivery verdict ({ error, text }). It goes to the account's
    // own address, so the proof arrives in the user's mailbox and nobody else
    // learns of the account.
    function testSend() {
        const messageId = AppJs.getRandomString(10) // qmllint disable type
        const recipient = {
            "lastname": "", "firstname": "", "fullname": "", "telephone": "",
            "email": address, "company": "", "occupation": "",
            "website": "", "list": ""
        }
        return bridge.sendEmail(host, Number(port), connectionValue, address, password,
                                "Parvane App", recipient, "Test Mail", "A test mail", "",
                                [], [], messageId, myTrStrings.smtp_failure_texts, accessToken)
    }

    columns: 2
    columnSpacing: 15
    rowSpacing: 8

    MyLabel {
        text: myTrStrings.sender_name
    }
    MyTextField {
        id: senderNameField
        objectName: "senderNameField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.displayed_sender_name
    }

    MyLabel {
        text: myTrStrings.smtp_server
    }
    MyComboBox {
        id: presetCombo
        objectName: "presetCombo"
        Layout.fillWidth: true
        model: Constants.mailsServers.map(preset => form.translated(preset.name))
        onActivated: index => {
            form.setServer(index)
            form.presetActivated(index)
        }
    }

    MyLabel {
        text: myTrStrings.server_name
    }
    MyTextField {
        id: serverNameField
        objectName: "serverNameField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.smtp_server_name
        readOnly: form.serverLocked
    }

    MyLabel {
        text: myTrStrings.smtp_host
    }
    MyTextField {
        id: hostField
        objectName: "hostField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.server_host
        readOnly: form.serverLocked
    }

    MyLabel {
        text: myTrStrings.smtp_port
    }
    MyTextField {
        id: portField
        objectName: "portField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.server_port
        readOnly: form.serverLocked
        inputMethodHints: Qt.ImhDigitsOnly
        // Digits only, so that what is stored is always a port number's text.
        validator: RegularExpressionValidator {
            regularExpression: /[0-9]*/
        }
    }

    MyLabel {
        text: myTrStrings.connection
    }
    MyComboBox {
        id: connectionCombo
        objectName: "connectionCombo"
        Layout.fillWidth: true
        enabled: !form.serverLocked
        model: Constants.smtpConnections.map(choice => form.translated(choice.label))
    }
    // What each choice means for the password, said before it is typed.
    MyLabel {
        objectName: "connectionNote"
        Layout.columnSpan: 2
        Layout.fillWidth: true
        visible: text !== ""
        wrapMode: Text.WordWrap
        font.bold: false
        text: form.connectionValue === "None"
              ? qsTr("With \"None\" nothing is encrypted: your messages travel in clear, and no password is sent.")
              : form.connectionValue === "Auto"
                ? qsTr("With \"Auto\" the password is sent only over an encrypted connection; a server that offers none is refused.")
                : ""
    }

    MyLabel {
        text: myTrStrings.email_address
    }
    MyTextField {
        id: addressField
        objectName: "addressField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.your_email_address
    }

    RowLayout {
        spacing: 6

        MyLabel {
            text: myTrStrings.password
        }
        InfoToolTipIcon {
            objectName: "passwordInfoIcon"
            text: myTrStrings.application_password_description
        }
    }
    MyTextField {
        id: passwordField
        objectName: "passwordField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.your_password
        echoMode: TextInput.PasswordEchoOnEdit
    }

    // What the provider lets the account send: runs wait rather than go beyond.
    RowLayout {
        spacing: 6

        MyLabel {
            text: qsTr("Messages per day")
        }
        InfoToolTipIcon {
            text: qsTr("A run waits when the account has sent this many messages in the last 24 hours, hour or minute, and goes on by itself. Empty: no limit.")
        }
    }
    MyTextField {
        id: limitDayField
        objectName: "limitDayField"
        Layout.fillWidth: true
        placeholderText: qsTr("No limit")
        inputMethodHints: Qt.ImhDigitsOnly
        validator: RegularExpressionValidator { regularExpression: /[0-9]{0,7}/ }
    }
    MyLabel {
        text: qsTr("Messages per hour")
    }
    MyTextField {
        id: limitHourField
        objectName: "limitHourField"
        Layout.fillWidth: true
        placeholderText: qsTr("No limit")
        inputMethodHints: Qt.ImhDigitsOnly
        validator: RegularExpressionValidator { regularExpression: /[0-9]{0,7}/ }
    }
    MyLabel {
        text: qsTr("Messages per minute")
    }
    MyTextField {
        id: limitMinuteField
        objectName: "limitMinuteField"
        Layout.fillWidth: true
        placeholderText: qsTr("No limit")
        inputMethodHints: Qt.ImhDigitsOnly
        validator: RegularExpressionValidator { regularExpression: /[0-9]{0,7}/ }
    }

    // The mailbox the check reads for bounces, complaints and unsubscribe
    // replies: optional, the account's own address and password by default.
    MyCheckBox {
        id: imapBox
        objectName: "imapBox"
        Layout.columnSpan: 2
        Layout.fillWidth: true
        // The form's width comes from its fields, never from this label.
        Layout.preferredWidth: 100
        Layout.topMargin: 8
        text: qsTr("Read bounces and unsubscribe replies from this mailbox (IMAP)")
        onToggled: if (checked && form.imapHost === "") form.fillImapFromPreset()
    }
    MyLabel {
        Layout.columnSpan: 2
        Layout.fillWidth: true
        visible: imapBox.checked
        wrapMode: Text.WordWrap
        font.bold: false
        text: qsTr("Parvane reads the bounces, complaints and unsubscribe replies that come back to this mailbox, and never sends to those addresses again. Nothing is deleted or marked as read.")
    }
    MyLabel {
        text: qsTr("IMAP host")
        visible: imapBox.checked
    }
    MyTextField {
        id: imapHostField
        objectName: "imapHostField"
        Layout.fillWidth: true
        visible: imapBox.checked
        placeholderText: qsTr("The mailbox server, e.g. imap.example.com")
    }
    MyLabel {
        text: qsTr("IMAP port")
        visible: imapBox.checked
    }
    MyTextField {
        id: imapPortField
        objectName: "imapPortField"
        Layout.fillWidth: true
        visible: imapBox.checked
        placeholderText: form.imapConnectionValue === "SSL" ? "993" : "143"
        inputMethodHints: Qt.ImhDigitsOnly
        validator: RegularExpressionValidator {
            regularExpression: /[0-9]*/
        }
    }
    MyLabel {
        text: myTrStrings.connection
        visible: imapBox.checked
    }
    MyComboBox {
        id: imapConnectionCombo
        objectName: "imapConnectionCombo"
        Layout.fillWidth: true
        visible: imapBox.checked
        model: Constants.imapConnections
    }
    MyLabel {
        text: qsTr("IMAP user name")
        visible: imapBox.checked
    }
    MyTextField {
        id: imapUsernameField
        objectName: "imapUsernameField"
        Layout.fillWidth: true
        visible: imapBox.checked
        placeholderText: qsTr("The email address")
    }
    MyLabel {
        text: qsTr("IMAP password")
        visible: imapBox.checked
    }
    MyTextField {
        id: imapPasswordField
        objectName: "imapPasswordField"
        Layout.fillWidth: true
        visible: imapBox.checked
        placeholderText: qsTr("The account's password")
        echoMode: TextInput.PasswordEchoOnEdit
    }
    MyLabel {
        text: qsTr("Other folder")
        visible: imapBox.checked
    }
    MyTextField {
        id: imapFolderField
        objectName: "imapFolderField"
        Layout.fillWidth: true
        visible: imapBox.checked
        placeholderText: qsTr("Besides the inbox, e.g. Junk")
    }
    MyLabel {
        objectName: "imapTestLabel"
        Layout.fillWidth: true
        visible: imapBox.checked
        wrapMode: Text.WordWrap
        font.bold: false
        textFormat: Text.PlainText
        text: form.imapSettings !== "" && form.imapSettings === form.provenImapSettings
              && !form.imapTesting && form.imapTestText === ""
              ? qsTr("The mailbox login went through.") : form.imapTestText
    }
    MyButton {
        objectName: "imapTestButton"
        Layout.alignment: Qt.AlignRight
        visible: imapBox.checked
        enabled: !form.imapTesting
        text: qsTr("Test the mailbox login")
        onClicked: form.testImapLogin()
    }
}
