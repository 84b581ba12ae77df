import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Qt.labs.settings
import QmlCppBridge
import Parvane
import "resources/js/app.js" as AppJs
import "resources/js/storedValues.js" as StoredValues
import "resources/js/vcard.js" as VCard

// The main screen: it owns every piece of application data (pages and details
// read and assign these properties directly), mirrors the lasting ones into
// the settings store, and shows one page and one detail at a time beside the
// side menu.
//
// Writers change an array by assigning a new one: only the assignment runs
// the reactions below and reaches the store.
Rectangle {
    id: root

    // ---- Group "preferences" ----
    property string userLanguage: ""
    property real userMailsPs: 1
    property var appInfo

    // ---- Group "userData" ----
    property var userComptes: []
    // The first account's address when there is one; the check below keeps it so.
    property string userActiveCompte: ""
    property var userContactsLists: []
    property var userContacts: []

    // ---- Group "emailContent" ----
    property var selectedLists: []

    // ---- Group "sendingForm" ----
    property string senderName: ""
    property string subject: ""
    property string recipient: ""
    property string detailEmailContent: ""
    property var sendingLists: []
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
    property bool partialLoading: false
    property bool componentLoadCompleted: false
    property var detailEmailContentLocalUrls: []
    property int detailAccount: 0
    property int detailContact: 0
    property string detailTemplateUrl: ""
    // From the press of Send until the run has ended and nothing is in flight.
    readonly property bool isSenderRunning: sendingController.run.busy
    readonly property alias sendingController: sendingController
    property bool isSearchRunning: false
    property var templates: []
    property bool isSendingListRunning: false
    property var runningSendingList
    property string runningSendingListOutput: ""

    // The five page buttons, whose marking navigation clears.
    readonly property var pageButtons: [homeMenu, accountsMenu, contactsListsMenu, searchMenu,
                                        templatesMenu]

    // ---- Reactions that keep the state consistent ----
    onUserComptesChanged: {
        userDataStore.comptes = userComptes
        checkActiveCompte()
    }
    onUserActiveCompteChanged: {
        userDataStore.activeCompte = userActiveCompte
        checkActiveCompte()
        if (userActiveCompte !== "") {
            const account = accountByAddress(userActiveCompte)
            if (account)
                senderName = account.senderName
        }
    }
    onUserContactsListsChanged: {
        userDataStore.contactsLists = userContactsLists
        const lists = userContactsLists
        selectedLists = selectedLists.filter(name => lists.indexOf(name) >= 0)
    }
    onUserContactsChanged: {
        userDataStore.contacts = userContacts
        refreshPage()
    }
    onSenderNameChanged: {
        sendingFormStore.currentSenderName = senderName
        refreshPage()
    }
    onUserLanguageChanged: {
        preferencesStore.language = userLanguage
        // The native start-up already applied the stored language.
        if (componentLoadCompleted && userLanguage !== "")
            myTranslator.setLanguage(userLanguage)
    }

    // ---- Plain mirrors: every other change goes to the store as it is ----
    onUserMailsPsChanged: preferencesStore.mailsPs = userMailsPs
    onAppInfoChanged: preferencesStore.appInfo = appInfo
    onSelectedListsChanged: emailContentStore.currentSelectedLists = selectedLists
    onSubjectChanged: sendingFormStore.currentSubject = subject
    onRecipientChanged: sendingFormStore.currentRecipient = recipient
    onDetailEmailContentChanged: sendingFormStore.currentEmailContent = detailEmailContent
    onSendingListsChanged: sendingFormStore.sendingLists = sendingLists
    onEmailAttachmentsChanged: sendingFormStore.attachments = emailAttachments
    // The message's own local references come from the file itself, whichever
    // panel is shown and however the file was chosen (picker or work file).
    onDetailEmailContentUrlChanged: {
        sendingFormStore.htmlUrl = detailEmailContentUrl
        detailEmailContentLocalUrls = detailEmailContentUrl !== ""
                ? bridge.localReferences(detailEmailContentUrl) : []
    }
    onSearchQueriesChanged: searchStore.currentSearchQueries = searchQueries
    onSearchContactsChanged: searchStore.currentSearchContacts = searchContacts
    onLastSearchContactsChanged: searchStore.currentLastSearchContacts = lastSearchContacts
    onWindowXChanged: windowStore.x = windowX
    onWindowYChanged: windowStore.y = windowY
    onWindowVisibilityChanged: windowStore.windowVisibility = windowVisibility

    color: Constants.primaryColor
    implicitWidth: Constants.width
    implicitHeight: Constants.height

    Component.onCompleted: {
        restoreState()
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
        for (let i = 0; i < userComptes.length; ++i) {
            if (userComptes[i].address === address)
                return userComptes[i]
        }
        return null
    }

    // Tells the page shown that shared data changed under it.
    function refreshPage() {
        const page = pagesStackView.currentItem
        if (page && page.dataState !== undefined)
            page.dataState = !page.dataState
    }

    // Reads every stored key back into its property, checking its kind first.
    // All keys are read before any is applied, because applying one runs
    // reactions that write others. Groups are applied in this order:
    // "preferences", "userData", "emailContent", "sendingForm", "search",
    // "window". "sendingForm" comes after "userData" so that the sender name
    // the user left in the message comes back as it was, rather than the one
    // that restoring the active account copies in; "emailContent" comes after
    // the lists so that a selection naming a deleted list is pruned at once.
    function restoreState() {
        const stored = {
            "language": preferencesStore.language,
            "mailsPs": preferencesStore.mailsPs,
            "appInfo": preferencesStore.appInfo,
            "comptes": userDataStore.comptes,
            "activeCompte": userDataStore.activeCompte,
            "contactsLists": userDataStore.contactsLists,
            "contacts": userDataStore.contacts,
            "currentSelectedLists": emailContentStore.currentSelectedLists,
            "currentSenderName": sendingFormStore.currentSenderName,
            "currentSubject": sendingFormStore.currentSubject,
            "currentRecipient": sendingFormStore.currentRecipient,
            "currentEmailContent": sendingFormStore.currentEmailContent,
            "sendingLists": sendingFormStore.sendingLists,
            "attachments": sendingFormStore.attachments,
            "htmlUrl": sendingFormStore.htmlUrl,
            "currentSearchQueries": searchStore.currentSearchQueries,
            "currentSearchContacts": searchStore.currentSearchContacts,
            "currentLastSearchContacts": searchStore.currentLastSearchContacts,
            "x": windowStore.x,
            "y": windowStore.y,
            "windowVisibility": windowStore.windowVisibility
        }
        const V = StoredValues

        userLanguage = V.text(stored.language, "")
        userMailsPs = V.number(stored.mailsPs, 1, n => n > 0)
        appInfo = V.object(stored.appInfo, undefined)

        userComptes = V.records(stored.comptes, V.accountFields, [])
        userActiveCompte = V.text(stored.activeCompte, userActiveCompte)
        userContactsLists = V.textArray(stored.contactsLists, [])
        userContacts = V.records(stored.contacts, V.contactFields, [])

        const lists = userContactsLists
        selectedLists = V.textArray(stored.currentSelectedLists, [])
                         .filter(name => lists.indexOf(name) >= 0)

        senderName = V.text(stored.currentSenderName, senderName)
        subject = V.text(stored.currentSubject, "")
        recipient = V.text(stored.currentRecipient, "")
        detailEmailContent = V.text(stored.currentEmailContent, "")
        sendingLists = V.records(stored.sendingLists, V.sendingListFields, [])
        emailAttachments = V.textArray(stored.attachments, [])
        detailEmailContentUrl = V.text(stored.htmlUrl, "")

        searchQueries = V.records(stored.currentSearchQueries, V.searchQueryFields, [])
        searchContacts = V.records(stored.currentSearchContacts, V.foundAddressFields, [])
        lastSearchContacts = V.records(stored.currentLastSearchContacts, V.foundAddressFields, [])

        windowX = V.integer(stored.x, undefined)
        windowY = V.integer(stored.y, undefined)
        windowVisibility = V.integer(stored.windowVisibility, 0)

        writeAllStores()
    }

    // Puts every property into its mirror. After a restore this replaces the
    // stored values that were of the wrong kind, writes the keys that were
    // missing, and refreshes each store's pending copy of all its keys: the
    // settings object caches every key when a missing one is first written,
    // and without a later change it would write those stale values back.
    function writeAllStores() {
        preferencesStore.language = userLanguage
        preferencesStore.mailsPs = userMailsPs
        preferencesStore.appInfo = appInfo
        userDataStore.comptes = userComptes
        userDataStore.activeCompte = userActiveCompte
        userDataStore.contactsLists = userContactsLists
        userDataStore.contacts = userContacts
        emailContentStore.currentSelectedLists = selectedLists
        sendingFormStore.currentSenderName = senderName
        sendingFormStore.currentSubject = subject
        sendingFormStore.currentRecipient = recipient
        sendingFormStore.currentEmailContent = detailEmailContent
        sendingFormStore.sendingLists = sendingLists
        sendingFormStore.attachments = emailAttachments
        sendingFormStore.htmlUrl = detailEmailContentUrl
        searchStore.currentSearchQueries = searchQueries
        searchStore.currentSearchContacts = searchContacts
        searchStore.currentLastSearchContacts = lastSearchContacts
        windowStore.x = windowX
        windowStore.y = windowY
        windowStore.windowVisibility = windowVisibility
    }

    // ---- Navigation ----

    // Shows a page. With the side-menu action it belongs to, a click on the
    // page already shown does nothing; without one the page is always replaced.
    // A request made while the stack is fading a page in is dropped.
    function loadPage(page, action) {
        if (pagesStackView.busy)
            return
        const current = pagesStackView.currentItem
        if (current && action && current.attachedMenu && current.attachedMenu.action === action)
            return
        AppJs.startLoading()
        for (const button of pageButtons)
            button.active = false
        // The page clears the busy flag itself once created; if it could not
        // be created nothing else would. Replacing (rather than clearing and
        // pushing) keeps the fade-in, during which further requests are dropped.
        const shown = current ? pagesStackView.replace(null, page) : pagesStackView.push(page)
        if (!shown)
            AppJs.stopLoading()
    }

    // Shows a fresh instance of the detail, even when the same one is shown.
    function loadDatail(detail) {
        if (detailStackView.busy)
            return
        AppJs.startLoading()
        const shown = detailStackView.currentItem ? detailStackView.replace(null, detail)
                                                  : detailStackView.push(detail)
        if (!shown)
            AppJs.stopLoading()
    }

    function loadEmptyDetail() {
        loadDatail(emptyDetailComponent)
    }

    // One synchronous check, without a message: callers that need the
    // network open connexionDialog themselves when it says no.
    function isOnline() {
        return bridge.isOnline()
    }

    // Start-up: the compose page beside the message preview, then the
    // application information.
    function init() {
        loadPage(sendEmailsPage)
        getAppInfo()
        Qt.callLater(sendingController.offerResumption)
    }

    // ---- Services for the pages and the window, not built yet ----

    // Asks the web service for the application information. Not built yet:
    // for now it asks nothing and the stored information stays.
    function getAppInfo() {
    }

    // The title bar's work-file buttons. Saving and loading the composed
    // message in a work file is not built yet; these ask nothing for now.
    function save() {
    }

    function load() {
    }

    // ---- vCard text of contact records ----
    function getVCard(contact) {
        return VCard.getVCard(contact)
    }

    function parseVCard(text) {
        return bridge.parseVCard(text === undefined || text === null ? "" : String(text))
    }

    QmlCppBridge {
        id: bridge
    }

    // ---- Settings mirrors, one per group ----
    // Each holds the raw stored values; the state above is filled from them
    // only after a check of their kind (restoreState). Keys whose value may
    // stay unset come last in their group, and new keys go at the end: when a
    // key is missing from the store, the settings object takes a copy of all
    // its keys on the spot, and a key read in later would be written back
    // with the value it had before reading.
    Settings {
        id: preferencesStore
        category: "preferences"
        property var language
        property var mailsPs
        property var appInfo
    }
    Settings {
        id: userDataStore
        category: "userData"
        property var comptes
        property var activeCompte
        property var contactsLists
        property var contacts
    }
    Settings {
        id: emailContentStore
        category: "emailContent"
        property var currentSelectedLists
    }
    Settings {
        id: sendingFormStore
        category: "sendingForm"
        property var currentSenderName
        property var currentSubject
        property var currentRecipient
        property var currentEmailContent
        property var sendingLists
        property var attachments
        property var htmlUrl
    }
    Settings {
        id: searchStore
        category: "search"
        property var currentSearchQueries
        property var currentSearchContacts
        property var currentLastSearchContacts
    }
    Settings {
        id: windowStore
        category: "window"
        property var windowVisibility
        property var x
        property var y
    }

    // ---- Pages and details, created when shown ----
    Component {
        id: sendEmailsPage
        SendEmailsPage { attachedMenu: homeMenu }
    }
    Component {
        id: accountsPage
        AccountsPage { attachedMenu: accountsMenu }
    }
    Component {
        id: contactsListsPage
        ContactsListsPage { attachedMenu: contactsListsMenu }
    }
    Component {
        id: searchPage
        SearchPage { attachedMenu: searchMenu }
    }
    Component {
        id: templatesPage
        TemplatesPage { attachedMenu: templatesMenu }
    }
    Component {
        id: emailContentDetailComponent
        EmailContentDetail {}
    }
    Component {
        id: sendingListsDetailComponent
        SendingListsDetail {}
    }
    Component {
        id: accountDetailComponent
        AccountDetail {}
    }
    Component {
        id: contactDetailComponent
        ContactDetail {}
    }
    Component {
        id: searchDetailComponent
        SearchDetail {}
    }
    Component {
        id: templateDetailComponent
        TemplateDetail {}
    }
    Component {
        id: emptyDetailComponent
        EmptyDetail {}
    }

    // ---- Screen layout: side menu, page area, detail area ----
    RowLayout {
        id: regions

        anchors.fill: parent
        spacing: 0

        Rectangle {
            id: sideMenu

            objectName: "sideMenu"
            Layout.preferredWidth: 110
            Layout.fillHeight: true
            color: Constants.primaryDarkColor
            enabled: !root.loading

            ColumnLayout {
                anchors.fill: parent
                spacing: 0

                Image {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.topMargin: 15
                    Layout.preferredWidth: 48
                    Layout.preferredHeight: 48
                    source: "resources/images/logo.png"
                    fillMode: Image.PreserveAspectFit
                    mipmap: true
                }
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.topMargin: 5
                    Layout.bottomMargin: 10
                    text: Qt.application.name
                    color: Constants.menuTextColor
                    font.bold: true
                    font.pointSize: 10
                }
                MyListSeparator {
                    Layout.fillWidth: true
                }

                MySideMenuButton {
                    id: homeMenu
                    objectName: "homeMenu"
                    action: Action {
                        id: homeAction
                        text: myTrStrings.home
                        icon.source: "resources/images/menus/home.png"
                        onTriggered: {
                            root.loadPage(sendEmailsPage, homeAction)
                            root.loadDatail(emailContentDetailComponent)
                        }
                    }
                }
                MySideMenuButton {
                    id: accountsMenu
                    objectName: "accountsMenu"
                    action: Action {
                        id: accountsAction
                        text: myTrStrings.accounts
                        icon.source: "resources/images/menus/accounts.png"
                        onTriggered: root.loadPage(accountsPage, accountsAction)
                    }
                }
                MySideMenuButton {
                    id: contactsListsMenu
                    objectName: "contactsListsMenu"
                    action: Action {
                        id: contactsListsAction
                        text: myTrStrings.contacts
                        icon.source: "resources/images/menus/address-lists.png"
                        onTriggered: root.loadPage(contactsListsPage, contactsListsAction)
                    }
                }
                MySideMenuButton {
                    id: searchMenu
                    objectName: "searchMenu"
                    action: Action {
                        id: searchAction
                        text: myTrStrings.search
                        icon.source: "resources/images/menus/search.png"
                        onTriggered: root.loadPage(searchPage, searchAction)
                    }
                }
                MySideMenuButton {
                    id: templatesMenu
                    objectName: "templatesMenu"
                    action: Action {
                        id: templatesAction
                        text: myTrStrings.templates
                        icon.source: "resources/images/menus/templates.png"
                        onTriggered: root.loadPage(templatesPage, templatesAction)
                    }
                }

                Item {
                    Layout.fillHeight: true
                }

                Rectangle {
                    Layout.fillWidth: true
                    Layout.preferredHeight: 1
                    color: Constants.primaryLigthColor
                }
                MySideMenuDialogButton {
                    id: aboutMenu
                    objectName: "aboutMenu"
                    action: Action {
                        text: myTrStrings.about
                        icon.source: "resources/images/menus/about.png"
                        onTriggered: aboutDialog.open()
                    }
                }
                MySideMenuDialogButton {
                    id: contactUsMenu
                    objectName: "contactUsMenu"
                    action: Action {
                        text: myTrStrings.contact_us
                        icon.source: "resources/images/menus/contact.png"
                        onTriggered: contactUsDialog.open()
                    }
                }
            }
        }

        // Page area: the page scrolls as a whole; the stack is as tall as the page.
        Flickable {
            id: pagesFlickable

            objectName: "pagesFlickable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            enabled: !root.loading || root.partialLoading
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            contentWidth: width
            contentHeight: pagesStackView.height
            flickableDirection: Flickable.VerticalFlick

            ScrollBar.vertical: ScrollBar {
                width: 7
                policy: pagesFlickable.contentHeight > pagesFlickable.height
                        ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            MyStackView {
                id: pagesStackView

                objectName: "pagesStackView"
                width: pagesFlickable.width
                height: currentItem ? currentItem.implicitHeight : 0
                // A new page starts at its top.
                onCurrentItemChanged: pagesFlickable.contentY = 0
            }
        }

        MyStackView {
            id: detailStackView

            objectName: "detailStackView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            enabled: !root.loading || root.partialLoading
            clip: true
            initialItem: emailContentDetailComponent
        }
    }

    // Busy bar across the top of the screen.
    MyProgressBar {
        id: busyBar

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 4
        z: 2
        indeterminate: true
        visible: root.loading
        backgroundColor: "#e6e6e6"
    }

    // While busy the screen shows the wait cursor and takes no input; during a
    // search only the side menu does, and the pages stay usable.
    MouseArea {
        objectName: "busyCursorArea"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: root.partialLoading ? sideMenu.width : parent.width
        z: 1
        visible: root.loading
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        cursorShape: Qt.WaitCursor
    }

    // ---- Dialogs ----
    // The sending run and its dialogs: the run outlives the compose page.
    SendingController {
        id: sendingController

        anchors.fill: parent
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

    // Their content (version check, contact links) is not built yet.
    MyDialog {
        id: aboutDialog

        objectName: "aboutDialog"
        width: 400
        height: 350
        dialogTitle: myTrStrings.about_parvane
        description: myTrStrings.parvane_app_description
        descriptionFontSize: 10
        icon: Qt.resolvedUrl("resources/images/menus/about.png")
    }
    MyDialog {
        id: contactUsDialog

        objectName: "contactUsDialog"
        width: 400
        height: 310
        dialogTitle: myTrStrings.contact_us
        description: myTrStrings.for_any_concerns_feel_to_contact_us
        descriptionFontSize: 10
        icon: Qt.resolvedUrl("resources/images/menus/contact.png")
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
}
