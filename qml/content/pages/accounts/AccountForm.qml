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
    // True while a preset other than "Other" fixes the server fields.
    property bool serverLocked: false

    // The user picked a preset in the list (not a programmatic change).
    signal presetActivated(int index)

    readonly property int otherPresetIndex: Constants.mailsServers.length - 1

    // Stored value of the chosen connection, never its translated label.
    readonly property string connectionValue: connectionIndex >= 0
                                              && connectionIndex < Constants.smtpConnections.length
                                              ? Constants.smtpConnections[connectionIndex].value : ""

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
        }
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
        if ((connectionValue === "SSL" || connectionValue === "TLS") && password.length === 0)
            return myTrStrings.password_is_required
        return ""
    }

    function portInRange(text) {
        const value = Number(text)
        return /^[0-9]+$/.test(String(text)) && value >= 1 && value <= 65535
    }

    // The account record the form describes, fields in their stored order.
    function record() {
        return {
            "senderName": senderName,
            "serverName": serverName,
            "serverHost": host,
            "serverPort": port,
            "connection": connectionValue,
            "address": address,
            "password": password
        }
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
                                [], [], messageId, myTrStrings.smtp_failure_texts)
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
}
