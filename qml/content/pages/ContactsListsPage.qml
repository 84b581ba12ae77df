import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQml
import QmlCppBridge
import Parvane
import content
import "../resources/js/app.js" as AppJs
import "contacts/contacts.js" as Contacts
import "../resources/js/storedKeys.js" as StoredKeys

// The contact lists and the contacts of the active one: lists are created,
// chosen and deleted here, contacts added, imported from vCard files and
// exported to them; "Manage" opens a contact in the detail area.
MyPageLayout {
    id: page

    // Name of the list shown; kept in the store so a restart shows it again.
    property string activeList: ""
    readonly property int activeListIndex: root.userContactsLists.indexOf(activeList)
    // The positions in the contact book of the active list's contacts, in
    // stored order: the rows of the view.
    property var activeListIndexes: []
    readonly property bool hasLists: root.userContactsLists.length > 0

    readonly property var refusalTexts: ({
        "nameRequired": myTrStrings.contact_name_is_required,
        "emailRequired": myTrStrings.contact_email_is_required,
        "invalidEmail": myTrStrings.invalid_email
    })

    readonly property alias newListDialog: newListDialog
    readonly property alias addContactDialog: addContactDialog
    readonly property alias deleteListDialog: deleteListDialog
    readonly property alias importDialog: importDialog
    readonly property alias exportDialog: exportDialog
    readonly property alias cardImport: cardImport
    readonly property alias importProgressDialog: importProgressDialog
    readonly property bool importing: cardImport.running

    objectName: "ContactsListsPage"
    title: myTrStrings.contacts_list

    // Set once the page is complete: the list restored from the store while
    // the page is being made would otherwise compute the contacts twice.
    property bool completed: false

    onActiveListChanged: updateActiveListContacts()
    onDataStateChanged: updateActiveListContacts()
    Component.onCompleted: {
        StoredKeys.bind(root.settingsStore, page, "contactsPage")
        completed = true
        updateActiveListContacts()
    }
    // A page replaced mid-import takes its reading with it (nothing is
    // stored): the busy state it set must not outlive it.
    Component.onDestruction: {
        if (cardImport.running) {
            root.contactBook.endImport(false)
            AppJs.stopLoading() // qmllint disable type
        }
    }

    // The first list becomes the active one, or none without lists.
    function resetList() {
        const lists = root.userContactsLists
        const first = lists.length > 0 ? lists[0] : ""
        if (activeList === first)
            updateActiveListContacts()
        else
            activeList = first
    }

    // Recomputes the active list's contacts in one pass over the book.
    // A list name that is gone, or no active list while lists exist (a contact
    // added then would belong to no list), makes the first list active.
    // Positions only, so the whole pass costs no object per record and needs
    // no memory of the contacts it was made from.
    function updateActiveListContacts() {
        if (!completed)
            return
        const lists = root.userContactsLists
        if (activeList === "" && lists.length === 0) {
            activeListIndexes = []
            return
        }
        if (lists.indexOf(activeList) < 0) {
            resetList()
            return
        }
        activeListIndexes = root.contactBook.indexesOf(activeList)
    }

    // New-list dialog: the refusal text, or "" once the list is made active.
    function createList(name) {
        if (name === "")
            return myTrStrings.list_name_is_required
        const lists = root.userContactsLists
        if (lists.indexOf(name) >= 0)
            return myTrStrings.list_already_exists
        root.userContactsLists = [name].concat(lists)
        activeList = name
        return ""
    }

    // Deletes the active list and its contacts. A contact of another list open
    // in the detail area keeps being shown: its position is moved along with
    // the records removed before it.
    function deleteActiveList() {
        const name = activeList
        const index = activeListIndex
        if (name === "" || index < 0)
            return
        const book = root.contactBook
        const detailShown = detailStackView.currentItem
                && detailStackView.currentItem.objectName === "ContactDetail"
        const shownContact = detailShown ? book.record(root.detailContact) : undefined
        if (detailShown && (!shownContact || shownContact.list === name))
            root.loadEmptyDetail()

        if (detailShown && shownContact && shownContact.list !== name)
            root.detailContact -= book.countBefore(name, root.detailContact)
        book.removeList(name)

        const lists = root.userContactsLists.slice()
        lists.splice(index, 1)
        root.userContactsLists = lists
        resetList()
    }

    // Add dialog: the refusal text, or "" once the contact is stored at the
    // front and shown in the detail area.
    function addContact(fields) {
        AppJs.startLoading() // qmllint disable type
        const record = Contacts.makeRecord(fields, activeList)
        let refusal = activeList === "" ? myTrStrings.no_active_list
                                        : Contacts.fieldsRefusal(record, refusalTexts,
                                                                 root.contactBook.isValidEmail)
        if (refusal === "" && root.contactBook.contains(record.email, activeList))
            refusal = myTrStrings.contact_already_exists_in_this_list
        if (refusal !== "") {
            AppJs.stopLoading()
            return refusal
        }
        root.contactBook.prepend(record)
        root.detailContact = 0
        AppJs.stopLoading()
        root.loadDatail(contactDetailComponent)
        return ""
    }

    // Reads a vCard file into the active list. The file is read on a worker
    // thread and its cards arrive in batches while a dialog shows the progress
    // and offers to cancel; the new contacts are stored once, at the end, so
    // a cancelled import changes nothing.
    function importContacts(url) {
        if (activeList === "" || cardImport.running
                || !root.contactBook.beginImport(cardImport, activeList))
            return
        AppJs.startLoading()
        importProgressDialog.open()
        cardImport.start(url)
    }

    function endImport(completed) {
        const outcome = root.contactBook.endImport(completed)
        importProgressDialog.close()
        AppJs.stopLoading()
        if (!completed) {
            toast.show(qsTr("The import was cancelled: no contact was added."), 5000)
            return
        }
        const message = Contacts.importMessage(outcome, {
            "existing": myTrStrings.contacts_exists_in_list,
            "noneImported": myTrStrings.no_contacts_imported,
            "someNotImported": myTrStrings.contacts_not_imported
        })
        if (message !== "")
            toast.show(message, 5000)
    }

    // The active list's cards, in display order, joined by one line feed.
    function activeListVCards() {
        const cards = []
        for (const index of activeListIndexes)
            cards.push(root.getVCard(root.contactBook.record(index)))
        return cards.join("\n")
    }

    // Writes the active list's cards as the chosen file's whole content.
    function exportList(url) {
        AppJs.startLoading() // qmllint disable type
        const written = bridge.writeTextFile(url, activeListVCards())
        AppJs.stopLoading()
        if (!written)
            toast.show(qsTr("The file could not be written."), 5000)
        else
            successToast.show(root.exportedText(url, activeListIndexes.length), 5000)
        return written
    }

    function openContact(index) {
        root.detailContact = index
        root.loadDatail(contactDetailComponent)
    }

    titleButtons: Component {
        MyButton {
            objectName: "newListButton"
            text: myTrStrings.new_list
            secondaryStyle: true
            onClicked: newListDialog.open()
        }
    }

    content: Component {
        // As tall as the page area leaves below the title row, so that the
        // contacts scroll inside their own view, which creates rows only for
        // what is in sight.
        Item {
            readonly property real viewportHeight: typeof pagesFlickable !== "undefined"
                                                   ? pagesFlickable.height : 600
            implicitHeight: Math.max(300, viewportHeight - page.chromeHeight)

            ColumnLayout {
                anchors.fill: parent
                spacing: 10

                MyLabel {
                    Layout.fillWidth: true
                    text: myTrStrings.contacts_lists_description
                    font.bold: false
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    MyButton {
                        id: activeListButton
                        objectName: "activeListButton"
                        Layout.maximumWidth: 250
                        text: page.activeList !== "" ? page.activeList : myTrStrings.no_active_list
                        enabled: page.hasLists
                        onClicked: activeListMenu.open()

                        MyMenu {
                            id: activeListMenu
                            objectName: "activeListMenu"

                            Instantiator {
                                model: root.userContactsLists
                                delegate: MyMenuItem {
                                    required property string modelData
                                    text: modelData
                                    checkable: true
                                    checked: modelData === page.activeList
                                    onTriggered: page.activeList = modelData
                                }
                                onObjectAdded: (index, object) => activeListMenu.insertItem(index, object)
                                onObjectRemoved: (index, object) => activeListMenu.removeItem(object)
                            }
                        }
                    }
                    MyButton {
                        objectName: "contactsMenuButton"
                        text: myTrStrings.contacts
                        enabled: page.hasLists
                        onClicked: contactsMenu.open()

                        MyMenu {
                            id: contactsMenu
                            objectName: "contactsMenu"

                            MyMenuItem {
                                objectName: "addContactItem"
                                text: myTrStrings.add
                                onTriggered: addContactDialog.open()
                            }
                            MyMenuItem {
                                objectName: "importItem"
                                text: myTrStrings.importStr
                                onTriggered: importDialog.open()
                            }
                            MyMenuItem {
                                objectName: "exportItem"
                                text: myTrStrings.exportStr
                                enabled: page.activeListIndexes.length > 0
                                onTriggered: {
                                    exportDialog.proposeInDocuments(page.activeList + "-contacts.vcf")
                                    exportDialog.open()
                                }
                            }
                        }
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                    MyButton {
                        objectName: "deleteListButton"
                        text: myTrStrings.deleteStr
                        dangerStyle: true
                        enabled: page.hasLists
                        onClicked: deleteListDialog.open()
                    }
                }

                ListView {
                    id: contactsView

                    objectName: "contactsListView"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    visible: count > 0
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    // A count, not the array: an edit that keeps the length
                    // leaves the rows and the scroll position in place.
                    model: page.activeListIndexes.length
                    delegate: ContactRow {
                        required property int index
                        readonly property int contactIndex: page.activeListIndexes[index]
                        // Read again at every change of the book.
                        readonly property var contact: (root.contactBook.revision,
                                                        root.contactBook.record(contactIndex))

                        width: ListView.view.width
                        fullname: contact ? Contacts.text(contact.fullname) : ""
                        email: contact ? Contacts.text(contact.email) : ""
                        onManage: page.openContact(contactIndex)
                    }

                    ScrollBar.vertical: ScrollBar {
                        width: 7
                        policy: contactsView.contentHeight > contactsView.height
                                ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                    }
                }
                MyNoItem {
                    objectName: "noContacts"
                    Layout.fillWidth: true
                    visible: page.activeListIndexes.length === 0
                }
                Item {
                    Layout.fillHeight: true
                    visible: page.activeListIndexes.length === 0
                }
            }
        }
    }

    NewListDialog {
        id: newListDialog
        objectName: "newListDialog"
        page: page
    }

    AddContactDialog {
        id: addContactDialog
        objectName: "addContactDialog"
        page: page
    }

    MyConfirmationDialog {
        id: deleteListDialog
        objectName: "deleteListDialog"
        message: qsTr("Are you sure you want to delete the list %1 ?").arg(page.activeList)
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: page.deleteActiveList()
    }

    VCardImport {
        id: cardImport
        onFinished: completed => page.endImport(completed)
    }

    ImportProgressDialog {
        id: importProgressDialog
        objectName: "importProgressDialog"
        cardImport: cardImport
    }

    MyFileDialog {
        id: importDialog
        openMode: true
        title: qsTr("Import Contacts to %1").arg(page.activeList)
        nameFilters: [qsTr("vCard file (*.vcf *.vcard)")]
        onAccepted: page.importContacts(selectedFile)
    }

    MyFileDialog {
        id: exportDialog
        saveMode: true
        title: qsTr("Export %1").arg(page.activeList)
        nameFilters: [qsTr("vCard file (*.vcf *.vcard)")]
        defaultSuffix: "vcf"
        onSaveChosen: file => page.exportList(file)
    }
}
