pragma Singleton
import QtQuick
import QmlCppBridge

// Theme, tables and limits shared by every view.
QtObject {
    readonly property string currentVersion: "2.1.1"

    // Design size of the main window.
    readonly property int width: 1000
    // Small enough for a 1366 x 768 screen less its taskbar.
    readonly property int height: 660

    // Theme: the application has a single dark look.
    readonly property bool isDarkTheme: true

    readonly property color primaryColor: "#1d2226"
    readonly property color primaryDarkColor: "#121619"
    readonly property color primaryLigthColor: "#3e4348"
    readonly property color primaryLigthColor2: "#5d6267"
    readonly property color primaryLigthColor3: "#70767b"
    readonly property color primaryLigthColor4: "#b8bec4"
    readonly property color primaryLigthColor5: "#dbe1e7"
    readonly property color primaryLigthColor6: "#e9eff5"
    readonly property color primaryLigthColor8: "#f4fbff"

    readonly property color secondaryColor: "#2196F3"
    readonly property color secondaryDarkColor: "#1045a1"
    readonly property color secondaryLigthColor: "#42a4f5"
    // The secondary blue under white button and tag text, a shade darker.
    readonly property color secondaryButtonColor: "#1976d2"

    readonly property color successColor: "#3bad35"
    readonly property color warningLigthColor3: "#fe8d00"
    // Darker shades of the same hues under white text (toasts), and a lighter
    // red for text on the dark backgrounds: each reads at 4.5:1 or better.
    readonly property color successDarkColor: "#2a7d26"
    readonly property color warningDarkColor: "#a55c00"
    readonly property color errorTextColor: "#d47674"
    readonly property color errorColor: "#ad3835"
    readonly property color errorLigthColor: "#ad3835"
    readonly property color errorLigthColor2: "#ba3e3b"
    readonly property color errorLigthColor3: "#cc4742"

    readonly property color menuTextColor: "#ebf2f7"
    readonly property color disabledItemColor: "#9EA4A9"
    // Placeholder text of the input fields, readable on primaryDarkColor.
    readonly property color placeholderTextColor: "#878d93"
    readonly property color buttonTextColor: "#FFFFFF"
    readonly property color backgroundColor: primaryColor

    // Font sizes, in points.
    readonly property int buttonFontSize: 10
    readonly property int labelFontSize: 11
    readonly property int inputFontSize: 12
    readonly property int tagFontSize: 9
    readonly property int sideMenuFontSize: 8
    readonly property int dialogTitleFontSize: 16

    readonly property font font: Qt.font({
        "family": Qt.application.font.family,
        "pointSize": labelFontSize
    })
    readonly property font largeFont: Qt.font({
        "family": Qt.application.font.family,
        "pointSize": dialogTitleFontSize
    })

    // Control sizes, in pixels.
    readonly property int smallButtonHeight: 30
    readonly property int buttonHeight: 40
    readonly property int radius: 5
    readonly property int toastDefaultDuration: 5000
    readonly property int toastMinimumDuration: 600

    // Sending speeds in messages per second, in the order of the settings menu.
    readonly property var mailsPs: [0.0016667, 0.003334, 0.00555567, 0.016667, 1, 5, 10]

    // Interface languages, in menu order; icons live under
    // "resources/images/flags/16x16/" of the content module.
    readonly property var languages: [
        { "key": "en_EN", "lang": "English", "icon": "en.png" },
        { "key": "fr_FR", "lang": "Français", "icon": "fr.png" }
    ]

    // Contact fields that a message may quote between the two delimiters of
    // contactDataTag, for example {{firstname}}.
    readonly property var contactData: ["fullname", "lastname", "firstname", "telephone",
        "email", "company", "occupation", "website"]
    readonly property var contactDataTag: ["{{", "}}"]

    readonly property int maxSendingListTasks: 100

    // The web service. Its base address ends in "/": the loopback service of
    // scripts/run.sh unless PARVANE_API_BASE_URL names another.
    readonly property string baseUrl: WebService.baseUrl
    readonly property string apiBaseUrl: baseUrl + "api/"
    readonly property string downloadAppUrl: baseUrl + "download?os=windows"
    readonly property string appInfoUrl: apiBaseUrl + "app-info"
    readonly property string searchContactsUrl: apiBaseUrl + "search/contacts"
    readonly property string checkDomainsUrl: apiBaseUrl + "check/domains"
    readonly property string templatesUrl: apiBaseUrl + "templates"
    readonly property string os: "windows"
    // Fixed tokens: the one the service expects, and the one its answers carry.
    readonly property string requestsToken: "3f0c9a12-7b4e-4d21-a8c5-0e6b2f91d7a3"
    readonly property string responsesToken: "9a7e51c0-2d3b-4f86-b1e4-75c8a06d3e29"

    // Paging of the address search: start indexes 1, 11, ... 91, then 1 again.
    readonly property int searchResultPerPage: 10
    readonly property int searchLastStartIndex: 91

    // SMTP server presets of the account forms, in menu order; the last one is
    // the free choice. Names "Other" and connection labels "Auto" and "None"
    // are English here and translated by the views that show them.
    readonly property var mailsServers: [
        { "name": "Gmail", "host": "smtp.gmail.com", "port": "587", "connection": "TLS" },
        { "name": "Yahoo Mail", "host": "smtp.mail.yahoo.com", "port": "587", "connection": "TLS" },
        // Outlook.com takes submissions on 587 with STARTTLS only; nothing
        // listens for implicit TLS on 465 there.
        { "name": "Hotmail", "host": "smtp-mail.outlook.com", "port": "587", "connection": "TLS" },
        { "name": "Titan", "host": "smtp.titan.email", "port": "465", "connection": "SSL" },
        { "name": "Zoho Mail", "host": "smtp.zoho.com", "port": "465", "connection": "SSL" },
        { "name": "Hostinger", "host": "smtp.hostinger.com", "port": "465", "connection": "SSL" },
        { "name": "Mail.com", "host": "smtp.mail.com", "port": "587", "connection": "TLS" },
        { "name": "GMX", "host": "mail.gmx.net", "port": "465", "connection": "SSL" },
        { "name": "Other", "host": "", "port": "", "connection": "Auto" }
    ]

    // Connection choices: the label is shown, the value is stored.
    readonly property var smtpConnections: [
        { "label": "Auto", "value": "Auto" },
        { "label": "SSL", "value": "SSL" },
        { "label": "TLS", "value": "TLS" },
        { "label": "None", "value": "None" }
    ]
}
