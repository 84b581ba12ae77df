import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QmlCppBridge
import Parvane
import "resources/js/app.js" as AppJs
import "resources/js/storedKeys.js" as StoredKeys
import "resources/js/vcard.js" as VCard

// The main screen: it owns every piece of application data (pages and details
// read and assign these properties directly), keeps the lasting ones in the
// settings store (each declared once, in resources/js/storedKeys.js), and
// shows one page and one detail at a time beside the side menu.
//
// Writers change an array by assigning a new one: only the assignment runs
// the reactions below and reaches the store.
Rectangle {
    id: root

    // ---- Group "preferences" ----
    property string userLanguage: ""
    property real userMailsPs: 1
    property var appInfo
    // A permanent refusal of an address during a run puts it on the suppression list.
    property bool suppressBounces: true

    // ---- Group "userData" ----
    property var userComptes: []
    // The first account's address when there is one; the check below keeps it so.
    property string userActiveCompte: ""
    property var userContactsLists: []
    // Every contact of every list, kept natively and stored by itself: read
    // and changed through its calls, never as one array.
    readonly property alias contactBook: contactBook
    // The addresses no run mails again, kept natively in a file of their own.
    readonly property alias suppressionList: suppressionList
    readonly property alias unsubscribeMailbox: unsubscribeMailbox
    readonly property alias mailboxWatcher: mailboxWatcher
    readonly property alias accountLimits: accountLimits

    // ---- Group "emailContent" ----
    property var selectedLists: []

    // ---- Group "sendingForm" ----
    property string senderName: ""
    property string subject: ""
    property string recipient: ""
    // Each message carries a way to decline further ones, in the message's
    // language ("fr" or "en"; "" follows the interface).
    property bool unsubscribeLink: true
    property string messageLanguage: ""
    readonly property string unsubscribeLanguage: messageLanguage !== "" ? messageLanguage
                                                  : userLanguage.startsWith("fr") ? "fr" : "en"
    property string detailEmailContent: ""
    property var sendingLists: []
    // Other accounts that share a run's recipients with the active one, by
    // address, and how: "fill" (each until its limits hold it) or "turns".
    property var runAccounts: []
    property string runSpread: "fill"
    // The accounts of runAccounts that exist, the active one left out.
    function sharingAccounts() {
        return userComptes.filter(account => account.address !== userActiveCompte
                                  && runAccounts.indexOf(account.address) >= 0)
    }
    // A run or a sending list set to start later (the run's scheduler keeps it).
    property var runSchedule: ({})
    property var emailAttachments: []
    property string detailEmailContentUrl: ""

    // ---- Group "search" ----
    property var searchQueries: []
    property var searchContacts: []
    property var lastSearchContacts: []

    // ---- Group "window" (kept here for the window, which has no store of its own) ----
    // Undefined until the window has been moved once: the window system places it.
    property var windowX
    property var windowY
    property int windowVisibility: 0

    // ---- Not stored: busy state, running flags, detail selections ----
    property bool loading: false
    // Milliseconds a request to the web service may go unanswered.
    property int requestTimeLimit: 30000
    property bool partialLoading: false
    property bool componentLoadCompleted: false
    property int detailAccount: 0
    property int detailContact: 0
    property string detailTemplateUrl: ""
    // From the press of Send until the run has ended and nothing is in flight.
    readonly property bool isSenderRunning: sendingController.run.busy
    // While a run or a sending list goes on, what would change its inputs
    // (the compose form, the active account and its record, the lists it
    // sends to, the work file in the form) is locked.
    readonly property bool runInputsLocked: isSenderRunning || isSendingListRunning
    readonly property alias sendingController: sendingController
    readonly property alias settingsStore: settingsStore
    // Account passwords: in the system's keychain, never in the store.
    readonly property alias secrets: secrets
    readonly property alias appInformation: appInformation
    readonly property alias workFiles: workFiles
    readonly property alias undoBar: undoBar
    // The regions that pages look at: the detail shown and the page viewport.
    readonly property alias detailStackView: regions.detailStackView
    readonly property alias pagesFlickable: regions.pagesFlickable
    readonly property alias pagesStackView: regions.pagesStackView
    property bool isSearchRunning: false
    property var templates: []
    property bool isSendingListRunning: false
    property var runningSendingList
    property string runningSendingListOutput: ""

    // ---- Reactions that keep the state consistent ----
    onUserComptesChanged: checkActiveCompte()
    onUserActiveCompteChanged: {
        checkActiveCompte()
        if (userActiveCompte !== "") {
            const account = accountByAddress(userActiveCompte)
            if (account)
                senderName = account.senderName
        }
    }
    onUserContactsListsChanged: {
        const lists = userContactsLists
        selectedLists = selectedLists.filter(name => lists.indexOf(name) >= 0)
    }
    onSenderNameChanged: refreshPage()
    onUserLanguageChanged: {
        // The native start-up already applied the stored language.
        if (componentLoadCompleted && userLanguage !== "")
            myTranslator.setLanguage(userLanguage)
    }

    color: Constants.primaryColor
    implicitWidth: Constants.width
    implicitHeight: Constants.height

    Component.onCompleted: {
        StoredKeys.bind(settingsStore, root, "screen")
        adoptPasswords()
        // Unsubscribes made while the program was closed.
        unsubscribeMailbox.sync()
        if (!componentLoadCompleted) {
            componentLoadCompleted = true
            init()
        }
    }

    // ---- State helpers ----

    // Keeps the active account one of the stored accounts, or empty without any.
    function checkActiveCompte() {
        if (userActiveCompte === "" || !accountByAddress(userActiveCompte))
            userActiveCompte = userComptes.length > 0 ? userComptes[0].address : ""
    }

    function accountByAddress(address) {
        return userComptes.find(account => account.address === address) || null
    }

    // What a vCard export says once written: the file's name and how many
    // contacts it holds.
    function exportedText(file, count) {
        return qsTr("%Ln contact(s) written to %1.", "", count)
                .arg(AppJs.fileBaseName(AppJs.urlToString(file))) // qmllint disable type
    }

    // ---- Files a message may carry ----
    // Why the file at the local path may not be attached or sent as the
    // HTML body, in words that name it; "" when it may.
    // A file that is not there is no threat: the message goes without it.
    function fileRefusalText(path) {
        const reason = bridge.fileRefusal(path)
        return reason === 1 ? "" : refusalText(path, reason)
    }

    function refusalText(path, reason) {
        switch (reason) {
        case 0:
            return ""
        case 2:
            return qsTr("%1 is not a regular file: it cannot be sent.").arg(path)
        case 3:
            return qsTr("%1 belongs to Parvane's own data (accounts, contacts, runs): it is never sent.").arg(path)
        case 4:
            return qsTr("%1 is a system file: it is never sent.").arg(path)
        case 5:
            return qsTr("%1 lies in a hidden folder of your home folder, where keys and settings are kept: it is never sent.").arg(path)
        default:
            return qsTr("%1 cannot be read.").arg(path)
        }
    }

    // The refusals of the message's attachments and HTML file, one per line.
    function messageFileRefusals(attachments, html) {
        const paths = html !== "" ? attachments.concat([html]) : attachments
        return paths.map(path => fileRefusalText(path)).filter(text => text !== "")
    }

    // ---- Sending limits ----
    // The account's limits as stored, or its preset's for an account stored
    // before it had any: {limitDay, limitHour, limitMinute}, "" for none.
    function limitsOf(account) {
        if (account && account.limitDay !== undefined)
            return { "limitDay": account.limitDay || "", "limitHour": account.limitHour || "",
                     "limitMinute": account.limitMinute || "" }
        const preset = Constants.mailsServers.find(server => account && server.host !== ""
                                                   && server.host === account.serverHost)
        return preset ? { "limitDay": preset.limitDay, "limitHour": preset.limitHour,
                          "limitMinute": preset.limitMinute }
                      : { "limitDay": "", "limitHour": "", "limitMinute": "" }
    }
    // "312 of 500 today" for an account with a daily limit (else the hour's
    // or the minute's); "" for one without limits.
    function usageText(address) {
        const usage = accountLimits.revision >= 0 ? accountLimits.usage(address) : ({})
        if (usage.dayLimit > 0)
            return qsTr("%1 of %2 today").arg(myTrStrings.number(usage.day)).arg(myTrStrings.number(usage.dayLimit))
        if (usage.hourLimit > 0)
            return qsTr("%1 of %2 this hour").arg(myTrStrings.number(usage.hour)).arg(myTrStrings.number(usage.hourLimit))
        if (usage.minuteLimit > 0)
            return qsTr("%1 of %2 this minute").arg(myTrStrings.number(usage.minute)).arg(myTrStrings.number(usage.minuteLimit))
        return ""
    }

    AccountLimits {
        id: accountLimits

        objectName: "accountLimits"
        journalPath: sendingController.run.journalPath
        historyPath: sendingController.run.historyPath
        limits: {
            const limits = {}
            for (const account of root.userComptes) {
                const given = root.limitsOf(account)
                limits[account.address] = { "day": Number(given.limitDay) || 0, "hour": Number(given.limitHour) || 0,
                                            "minute": Number(given.limitMinute) || 0 }
            }
            return limits
        }
    }

    // ---- Account passwords ----
    function secretName(address) { return "account/" + address }

    // The account's password: the keychain's, or the one a record of an
    // earlier version still holds until it has been moved.
    function accountPassword(account) {
        if (!account)
            return ""
        return account.password ? account.password : secrets.secret(secretName(account.address))
    }

    // Keeps the password in the keychain; the record is stored without it.
    function keepPassword(address, password) {
        keepSecret(secretName(address), password)
    }
    // "" removes the secret.
    function keepSecret(name, value) {
        if (value !== "")
            secrets.setSecret(name, value)
        else
            secrets.removeSecret(name)
    }

    // Accounts signed in with a provider (OAuth 2.0) keep their refresh token
    // in the keychain; access tokens live in memory only, by address.
    property var oauthTokens: ({})
    function oauthSecretName(address) { return "oauth/" + address }
    function isOAuthAccount(account) {
        return !!account && (account.auth === "microsoft" || account.auth === "google")
    }
    // The access token when it stays valid for five more minutes, else "".
    function freshToken(address) {
        const token = oauthTokens[address]
        return token && token.expiresAt > Date.now() + 5 * 60 * 1000 ? token.accessToken : ""
    }
    function keepTokens(address, token) {
        const tokens = Object.assign({}, oauthTokens)
        tokens[address] = { "accessToken": token.accessToken, "expiresAt": token.expiresAt }
        oauthTokens = tokens
        if (token.refreshToken)
            secrets.setSecret(oauthSecretName(address), token.refreshToken)
    }

    // A mailbox read with other credentials than the account's keeps its
    // own password, in the keychain too ("" removes it).
    function mailboxSecretName(address) { return "imap/" + address }
    function keepMailboxPassword(address, password) {
        keepSecret(mailboxSecretName(address), password)
    }
    function mailboxPassword(account) {
        const own = account && account.imapHost ? secrets.secret(mailboxSecretName(account.address)) : ""
        return own !== "" ? own : accountPassword(account)
    }

    // Reads the accounts' passwords, and moves those that stored records
    // still hold into the keychain. A record loses its password only once
    // the keychain (or the private file) has it: a crash in between leaves
    // both, and the next start moves it again.
    function adoptPasswords() {
        secrets.load(userComptes.map(account => secretName(account.address))
                     .concat(userComptes.filter(account => !!account.imapHost)
                             .map(account => mailboxSecretName(account.address)))
                     .concat(userComptes.filter(account => isOAuthAccount(account))
                             .map(account => oauthSecretName(account.address))))
        for (const account of userComptes) {
            if (account.password)
                secrets.setSecret(secretName(account.address), account.password)
        }
    }

    // The keychain holds the password named: the stored record may lose it.
    function passwordKept(name) {
        const index = userComptes.findIndex(account => secretName(account.address) === name)
        if (index < 0 || !userComptes[index].password)
            return
        const accounts = userComptes.slice()
        accounts[index] = Object.assign({}, accounts[index], { "password": "" })
        userComptes = accounts
    }

    // Tells the page shown that shared data changed under it.
    function refreshPage() {
        const page = regions.pagesStackView.currentItem
        if (page && page.dataState !== undefined) // qmllint disable type
            page.dataState = !page.dataState
    }

    // ---- Navigation ----

    // Shows a page. With the side-menu action it belongs to, a click on the
    // page already shown does nothing; without one the page is always replaced.
    // A request made while the stack is fading a page in is dropped.
    function loadPage(page, action) {
        const stack = regions.pagesStackView
        if (stack.busy)
            return false
        const current = stack.currentItem
        if (current && action && current.attachedMenu && current.attachedMenu.action === action)
            return false
        AppJs.startLoading()
        for (const button of regions.sideMenu.pageButtons)
            button.active = false
        // The page clears the busy flag itself once created; if it could not
        // be created nothing else would. Replacing (rather than clearing and
        // pushing) keeps the fade-in, during which further requests are dropped.
        const shown = current ? stack.replace(null, page) : stack.push(page)
        if (!shown)
            AppJs.stopLoading()
        return !!shown
    }

    // The side menu's pages, each with the panel it opens with: the compose
    // page with the message preview, every other page with the empty panel
    // until the user picks something there.
    function openPage(name, action) {
        const pages = {
            "home": [sendEmailsPage, emailContentDetailComponent],
            "accounts": [accountsPage, emptyDetailComponent],
            "contacts": [contactsListsPage, emptyDetailComponent],
            "search": [searchPage, searchDetailComponent],
            "templates": [templatesPage, emptyDetailComponent],
            "suppression": [suppressionPage, emptyDetailComponent]
        }
        if (loadPage(pages[name][0], action) || name === "home")
            loadDatail(pages[name][1])
    }

    // Shows a fresh instance of the detail, even when the same one is shown.
    function loadDatail(detail) {
        const stack = regions.detailStackView
        if (stack.busy)
            return
        AppJs.startLoading() // qmllint disable type
        const shown = stack.currentItem ? stack.replace(null, detail) : stack.push(detail)
        if (!shown)
            AppJs.stopLoading()
    }

    function loadEmptyDetail() { loadDatail(emptyDetailComponent) }

    // The settings menu's "Run history": the runs beside the compose page.
    function showRunHistory() {
        const page = pagesStackView.currentItem
        if (!page || page.objectName !== "SendEmailsPage") {
            loadPage(sendEmailsPage, regions.sideMenu.homeMenu.action)
        }
        loadDatail(runHistoryDetailComponent)
    }

    // One synchronous check, without a message: callers that need the
    // network open connexionDialog themselves when it says no.
    function isOnline() { return bridge.isOnline() }

    // Start-up: the compose page beside the message preview, then the
    // application information.
    function init() {
        loadPage(sendEmailsPage)
        getAppInfo()
        Qt.callLater(sendingController.offerResumption) // qmllint disable type
        Qt.callLater(sendingController.scheduler.checkMissed) // qmllint disable type
    }

    // ---- Services for the pages and the window ----
    // Asks the web service for the application information (when online).
    function getAppInfo() { appInformation.fetch() }

    // Puts the addresses of found address records on the clipboard.
    function copyContacts(contacts) {
        AppJs.copyToClipboard(AppJs.contactsToText(contacts), // qmllint disable type
                              qsTr("%Ln email(s) copied.", "", contacts.length))
    }
    // ---- Work files (the title bar's buttons and the sending lists) ----
    function save() { workFiles.openSave() }
    function load() { workFiles.openLoad() }
    function loadFile(file) { return workFiles.loadFile(file) }
    function isValidTask(path) { return workFiles.isValidTask(path) }

    // ---- vCard text of contact records ----
    function getVCard(contact) {
        return VCard.getVCard(contact)
    }

    function parseVCard(text) {
        return bridge.parseVCard(text === undefined || text === null ? "" : String(text))
    }

    readonly property var bridge: QmlCppBridge
    ContactBook {
        id: contactBook
        store: settingsStore
        onChanged: root.refreshPage()
    }
    SuppressionList {
        id: suppressionList
        objectName: "suppressionList"
    }
    UnsubscribeMailbox {
        id: unsubscribeMailbox
        objectName: "unsubscribeMailbox"
        secrets: secrets
        suppression: suppressionList
        requestToken: Constants.requestsToken
        responseToken: Constants.responsesToken
    }
    // Reads what came back to the accounts' mailboxes over IMAP: after each
    // run, every half hour and when the user asks.
    MailboxWatcher {
        id: mailboxWatcher
        objectName: "mailboxWatcher"
        suppression: suppressionList
        historyPath: sendingController.history.path
        interval: 30 * 60 * 1000
        onCheckWanted: root.checkMailboxes()
        onChecked: (suppressed, found, error) => {
            if (error !== "")
                toast.showOnce(qsTr("A mailbox could not be read: %1").arg(error), 10000)
            else if (suppressed > 0)
                successToast.show(qsTr("%Ln address(es) listed from the mailbox reports.", "",
                                       suppressed), 5000)
        }
    }
    Connections {
        target: sendingController.run
        function onEnded() { root.checkMailboxes() }
    }

    // The accounts whose mailbox is read, with their passwords for the check.
    function mailboxAccounts() {
        return userComptes.filter(account => !!account.imapHost)
                          .map(account => Object.assign({}, account,
                                                        { "password": mailboxPassword(account) }))
    }
    function checkMailboxes() {
        return mailboxWatcher.check(mailboxAccounts())
    }

    SettingsStore {
        id: settingsStore
        // A full disk or a folder without rights: changes must not be lost quietly.
        onWriteFailed: (group, key, reason) =>
                       toast.showOnce(qsTr("Your changes could not be saved: %1.").arg(reason), 10000)
    }

    SecretStore {
        id: secrets
        objectName: "secrets"
        // Where passwords go when no keychain answers: beside the store, owner-only.
        fallbackFile: settingsStore.path + "/secrets.json"
        onStored: (name, ok, reason) => {
            if (ok)
                root.passwordKept(name)
            else
                toast.showOnce(qsTr("A password could not be kept: %1.").arg(reason), 10000)
        }
    }

    AppInformation {
        id: appInformation
        objectName: "appInformation"
        screen: root
    }

    // ---- Pages and details, created when shown ----
    Component { id: sendEmailsPage; SendEmailsPage { attachedMenu: regions.sideMenu.homeMenu } }
    Component { id: accountsPage; AccountsPage { attachedMenu: regions.sideMenu.accountsMenu } }
    Component { id: contactsListsPage; ContactsListsPage { attachedMenu: regions.sideMenu.contactsListsMenu } }
    Component { id: searchPage; SearchPage { attachedMenu: regions.sideMenu.searchMenu } }
    Component { id: templatesPage; TemplatesPage { attachedMenu: regions.sideMenu.templatesMenu } }
    Component { id: suppressionPage; SuppressionPage { attachedMenu: regions.sideMenu.suppressionMenu } }
    Component { id: emailContentDetailComponent; EmailContentDetail {} }
    Component { id: sendingListsDetailComponent; SendingListsDetail {} }
    Component { id: runHistoryDetailComponent; RunHistoryDetail {} }
    Component { id: accountDetailComponent; AccountDetail {} }
    Component { id: contactDetailComponent; ContactDetail {} }
    Component { id: searchDetailComponent; SearchDetail {} }
    Component { id: templateDetailComponent; TemplateDetail {} }
    Component { id: emptyDetailComponent; EmptyDetail {} }

    // ---- Screen layout: side menu, page area, detail area, busy state ----
    ScreenRegions {
        id: regions

        anchors.fill: parent
        screen: root
        initialDetail: emailContentDetailComponent
    }

    // ---- Dialogs ----
    WorkFiles {
        id: workFiles
        objectName: "workFiles"

        emptyHtml: Qt.resolvedUrl("empty")
        files: bridge
    }

    // The sending run and its dialogs: the run outlives the compose page.
    SendingController {
        id: sendingController

        anchors.fill: parent
    }

    // The run's dialog is not modal, so that the title bar (minimize,
    // maximize, move, close) stays usable: the screen behind it is covered
    // instead, and takes no input until the dialog is put aside.
    MouseArea {
        objectName: "runDialogShield"
        anchors.fill: parent
        z: 10000
        visible: sendingController.dialog.visible
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: wheel => wheel.accepted = true

        Rectangle {
            anchors.fill: parent
            color: "#99000000"
        }
    }

    MyDialog {
        id: connexionDialog

        objectName: "connexionDialog"
        width: 450
        height: 141
        modal: true
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
        dialogTitle: myTrStrings.connexion_error
        description: myTrStrings.not_connected_to_internet
        icon: Qt.resolvedUrl("resources/images/wifi-off.png")
    }

    // ---- Notifications ----
    ToastManager {
        id: toast
        dangerStyle: true
    }
    ToastManager {
        id: successToast
        successStyle: true
    }
    UndoBar {
        id: undoBar
        objectName: "undoBar"
    }
}
