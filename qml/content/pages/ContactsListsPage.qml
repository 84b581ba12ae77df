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
// chosen and deleted here, contacts added, imported from vCard and CSV files
// and exported to them, filtered, sorted, selected to be deleted or moved;
// "Manage" opens a contact in the detail area.
MyPageLayout {
    id: page

    // Name of the list shown; kept in the store so a restart shows it again.
    property string activeList: ""
    readonly property int activeListIndex: root.userContactsLists.indexOf(activeList)
    // The positions in the contact book of the active list's contacts that
    // the filter shows, in the order chosen: the rows of the view.
    property var activeListIndexes: []
    // How many contacts the active list holds, shown or not.
    property int activeListTotal: 0
    property string filterText: ""
    property int sortOrder: ContactBook.StoredOrder
    // The selected rows, by position in the book (a position as key); the
    // revision tells bindings that the selection changed.
    property var selection: ({})
    property int selectionCount: 0
    property int selectionRevision: 0
    // The row a Shift click extends the selection from.
    property int selectionAnchor: -1
    // Sizes of the lists, read when their menu opens.
    property var menuCounts: ({})
    readonly property bool hasLists: root.userContactsLists.length > 0

    readonly property var refusalTexts: ({
        "nameRequired": myTrStrings.contact_name_is_required,
        "emailRequired": myTrStrings.contact_email_is_required,
        "invalidEmail": myTrStrings.invalid_email
    })

    readonly property alias newListDialog: newListDialog
    readonly property alias addContactDialog: addContactDialog
    readonly property alias deleteListDialog: deleteListDialog
    readonly property alias deleteSelectionDialog: deleteSelectionDialog
    readonly property alias sameMailboxDialog: sameMailboxDialog
    readonly property alias moveMenu: moveMenu
    readonly property alias importDialog: importDialog
    readonly property alias exportDialog: exportDialog
    readonly property alias exportCsvDialog: exportCsvDialog
    readonly property alias csvImportDialog: csvImportDialog
    readonly property VCardImport cardImport: root.contactBook.importJob
    readonly property alias importProgressDialog: importProgressDialog
    readonly property bool importing: root.contactBook.importing

    objectName: "ContactsListsPage"
    title: myTrStrings.contacts_list

    // Set once the page is complete: the list restored from the store while
    // the page is being made would otherwise compute the contacts twice.
    property bool completed: false

    onActiveListChanged: {
        clearSelection()
        updateActiveListContacts()
    }
    // Positions move with every change of the book: a selection made before
    // would name other contacts.
    onDataStateChanged: {
        clearSelection()
        updateActiveListContacts()
    }
    onFilterTextChanged: updateActiveListContacts()
    onSortOrderChanged: updateActiveListContacts()
    Component.onCompleted: {
        StoredKeys.bind(root.settingsStore, page, "contactsPage")
        completed = true
        updateActiveListContacts()
    }
    // A page replaced mid-import takes its reading with it (nothing is
    // stored): the busy state it set must not outlive it.
    Component.onDestruction: {
        if (root.contactBook.importing) {
            root.contactBook.cancelImport()
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
            activeListTotal = 0
            return
        }
        if (lists.indexOf(activeList) < 0) {
            resetList()
            return
        }
        const book = root.contactBook
        const all = book.view(activeList, "", sortOrder)
        activeListTotal = all.length
        activeListIndexes = filterText.trim() === "" ? all : book.view(activeList, filterText, sortOrder)
    }

    function detailShowsContact() {
        return detailStackView.currentItem !== null
                && detailStackView.currentItem.objectName === "ContactDetail"
    }

    function isSelected(index) {
        return selection[index] === true
    }

    function clearSelection() {
        if (selectionCount === 0 && selectionAnchor < 0)
            return
        selection = ({})
        selectionCount = 0
        selectionAnchor = -1
        ++selectionRevision
    }

    // A click on a row: alone it selects that row only, with Ctrl it adds or
    // takes it away, with Shift it selects every row from the last one clicked.
    function clickRow(row, modifiers) {
        const indexes = activeListIndexes
        if ((modifiers & Qt.ShiftModifier) && selectionAnchor >= 0) {
            const from = Math.min(selectionAnchor, row)
            const to = Math.max(selectionAnchor, row)
            const chosen = (modifiers & Qt.ControlModifier) ? selection : ({})
            for (let i = from; i <= to; ++i)
                chosen[indexes[i]] = true
            setSelection(chosen)
            return
        }
        let chosen = ({})
        if (modifiers & Qt.ControlModifier) {
            chosen = selection
            if (chosen[indexes[row]] === true)
                delete chosen[indexes[row]]
            else
                chosen[indexes[row]] = true
        } else {
            chosen[indexes[row]] = true
        }
        selectionAnchor = row
        setSelection(chosen)
    }

    function selectAllShown() {
        const chosen = ({})
        for (const index of activeListIndexes)
            chosen[index] = true
        setSelection(chosen)
    }

    function setSelection(chosen) {
        selection = chosen
        selectionCount = Object.keys(chosen).length
        ++selectionRevision
    }

    function selectedIndexes() {
        return Object.keys(selection).map(Number)
    }

    // The contact shown in the detail area follows a removal: its position
    // moves back by the removed contacts before it; removed itself, the
    // detail closes.
    function followRemoval(removed) {
        if (!detailShowsContact())
            return
        let before = 0
        for (const index of removed) {
            if (index === root.detailContact) {
                root.loadEmptyDetail()
                return
            }
            if (index < root.detailContact)
                ++before
        }
        root.detailContact -= before
    }

    // Puts back what the last removal took. The detail area closes: the
    // positions of the contact it showed have moved.
    function undoRemoval(list, listPosition) {
        if (detailShowsContact())
            root.loadEmptyDetail()
        if (list !== undefined && root.userContactsLists.indexOf(list) < 0) {
            const lists = root.userContactsLists.slice()
            lists.splice(Math.min(listPosition, lists.length), 0, list)
            root.userContactsLists = lists
            activeList = list
        }
        root.contactBook.restoreRemoved()
    }

    function deleteSelection() {
        const removed = selectedIndexes()
        followRemoval(removed)
        const count = root.contactBook.removeIndexes(removed)
        if (count > 0)
            root.undoBar.show(qsTr("%Ln contact(s) deleted.", "", count), () => page.undoRemoval())
    }

    function moveSelection(list) {
        const outcome = root.contactBook.moveIndexes(selectedIndexes(), list)
        let message = qsTr("%Ln contact(s) moved to %1.", "", outcome.moved).arg(list)
        if (outcome.existing > 0)
            message += " " + qsTr("%Ln already in that list stayed here.", "", outcome.existing)
        successToast.show(message, 5000)
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
        // The run under way sends to it: the list stays until the run ends.
        if (root.runInputsLocked && root.selectedLists.indexOf(name) >= 0) {
            toast.show(qsTr("This list is used by the sending run under way: it can be deleted once the run has ended."), 5000)
            return
        }
        const book = root.contactBook
        const detailShown = detailShowsContact()
        const shownContact = detailShown ? book.record(root.detailContact) : undefined
        if (detailShown && (!shownContact || shownContact.list === name))
            root.loadEmptyDetail()

        if (detailShown && shownContact && shownContact.list !== name)
            root.detailContact -= book.countBefore(name, root.detailContact)
        const count = book.removeList(name)

        const lists = root.userContactsLists.slice()
        lists.splice(index, 1)
        root.userContactsLists = lists
        resetList()
        root.undoBar.show(qsTr("List %1 deleted with %Ln contact(s).", "", count).arg(name),
                          () => page.undoRemoval(name, index))
    }

    // Add dialog: the refusal text, or "" once the contact is stored at the
    // front and shown in the detail area; null while the user is asked about
    // the same address in other letter case (`confirmed` once they agreed).
    function addContact(fields, confirmed) {
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
        const sameMailbox = confirmed ? "" : root.contactBook.sameMailbox(record.email, activeList)
        if (sameMailbox !== "") {
            AppJs.stopLoading()
            sameMailboxDialog.itemData = fields
            sameMailboxDialog.message = qsTr("This address is already in this list as %1: add anyway?")
                    .arg(sameMailbox)
            sameMailboxDialog.open()
            return null
        }
        root.contactBook.prepend(record)
        root.detailContact = 0
        AppJs.stopLoading()
        root.loadDatail(contactDetailComponent)
        return ""
    }

    // Reads a vCard file, or a CSV file with the mapping of its columns to
    // the fields, into the active list. The file is read on a worker thread
    // and its cards arrive in batches while a dialog shows the progress and
    // offers to cancel; the new contacts are stored once, at the end, so a
    // cancelled import changes nothing.
    function importContacts(url, csvMapping) {
        if (activeList === "" || !root.contactBook.importFile(url, activeList, csvMapping))
            return
        AppJs.startLoading()
        importProgressDialog.open()
    }

    // The chosen import file: a CSV file first goes through the dialog that
    // maps its columns.
    function chooseImportFile(url) {
        if (!/\.csv$/i.test(String(url))) {
            importContacts(url)
            return
        }
        const error = csvImportDialog.load(url)
        if (error === "unreadable")
            toast.show(qsTr("The file could not be read."), 5000)
        else if (error !== "")
            toast.show(qsTr("The file holds no header row."), 5000)
    }

    function endImport(completed, outcome) {
        importProgressDialog.close()
        AppJs.stopLoading() // qmllint disable type
        if (!completed) {
            toast.show(qsTr("The import was cancelled: no contact was added."), 5000)
            return
        }
        const parts = [qsTr("%Ln contact(s) added.", "", outcome.imported)]
        if (outcome.existing > 0)
            parts.push(qsTr("%Ln already in the list.", "", outcome.existing))
        if (outcome.noAddress > 0)
            parts.push(qsTr("%Ln skipped: no e-mail address.", "", outcome.noAddress))
        if (outcome.invalidAddress > 0)
            parts.push(qsTr("%Ln skipped: invalid e-mail address.", "", outcome.invalidAddress))
        if (outcome.imported > 0)
            successToast.show(parts.join(" "), 8000)
        else
            toast.show(parts.join(" "), 8000)
    }

    // What an export writes: the selected contacts in the order shown, else
    // the whole active list in stored order, whatever the filter shows.
    function exportedIndexes() {
        if (selectionCount > 0)
            return activeListIndexes.filter(index => selection[index] === true)
        return root.contactBook.indexesOf(activeList)
    }

    // The cards of the contacts at `indexes` (those an export writes when not
    // given), joined by one line feed.
    function activeListVCards(indexes) {
        const cards = []
        for (const index of (indexes === undefined ? exportedIndexes() : indexes))
            cards.push(root.getVCard(root.contactBook.record(index)))
        return cards.join("\n")
    }

    // Writes the exported contacts as the chosen file's whole content: vCards,
    // or CSV for `asCsv`; the toast says how many went where.
    function exportList(url, asCsv) {
        const indexes = exportedIndexes()
        AppJs.startLoading() // qmllint disable type
        const written = asCsv
                ? csvWriter.writeFile(url, indexes.map(index => root.contactBook.record(index)))
                : bridge.writeTextFile(url, activeListVCards(indexes))
        AppJs.stopLoading()
        if (!written)
            toast.show(qsTr("The file could not be written."), 5000)
        else
            successToast.show(root.exportedText(url, indexes.length), 5000)
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
                MyLabel {
                    objectName: "contactsCount"
                    Layout.fillWidth: true
                    font.bold: false
                    wrapMode: Text.Wrap
                    text: (page.activeList === "" ? ""
                           : qsTr("%Ln contact(s) in this list", "", page.activeListTotal) + " · ")
                          + qsTr("%Ln contact(s) in all lists", "", root.contactBook.count)
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
                        onClicked: {
                            page.menuCounts = root.contactBook.listCounts()
                            activeListMenu.open()
                        }

                        MyMenu {
                            id: activeListMenu
                            objectName: "activeListMenu"

                            Instantiator {
                                model: root.userContactsLists
                                delegate: MyMenuItem {
                                    required property string modelData
                                    // The list's name as written, then its size.
                                    text: modelData + "  (" + (page.menuCounts[modelData] || 0) + ")"
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
                            MyMenuItem {
                                objectName: "exportCsvItem"
                                text: qsTr("Export as CSV")
                                enabled: page.activeListIndexes.length > 0
                                onTriggered: {
                                    exportCsvDialog.proposeInDocuments(page.activeList + "-contacts.csv")
                                    exportCsvDialog.open()
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

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 10
                    visible: page.activeList !== ""

                    MyTextField {
                        id: filterField
                        objectName: "contactsFilter"
                        Layout.fillWidth: true
                        placeholderText: qsTr("Name, address or company")
                        onTextChanged: page.filterText = text
                    }
                    MyBorderlessButton {
                        objectName: "sortButton"
                        text: qsTr("Sort")
                        onClicked: sortMenu.popup()

                        MyMenu {
                            id: sortMenu
                            objectName: "sortMenu"

                            MyMenuItem {
                                text: qsTr("Order added")
                                checkable: true
                                checked: page.sortOrder === ContactBook.StoredOrder
                                onTriggered: page.sortOrder = ContactBook.StoredOrder
                            }
                            MyMenuItem {
                                text: qsTr("By name")
                                checkable: true
                                checked: page.sortOrder === ContactBook.ByName
                                onTriggered: page.sortOrder = ContactBook.ByName
                            }
                            MyMenuItem {
                                text: qsTr("By address")
                                checkable: true
                                checked: page.sortOrder === ContactBook.ByAddress
                                onTriggered: page.sortOrder = ContactBook.ByAddress
                            }
                        }
                    }
                }

                // Wraps when the page is narrow rather than widening it.
                Flow {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 0
                    spacing: 10
                    visible: page.activeListIndexes.length > 0

                    MyLabel {
                        objectName: "selectionCount"
                        width: Math.min(implicitWidth, parent.width)
                        height: Math.max(implicitHeight, selectAllButton.height)
                        verticalAlignment: Text.AlignVCenter
                        wrapMode: Text.Wrap
                        font.bold: false
                        text: page.selectionCount > 0
                              ? qsTr("%Ln contact(s) selected", "", page.selectionCount)
                              : qsTr("Click to select; Ctrl and Shift to select several")
                    }
                    MyBorderlessButton {
                        id: selectAllButton
                        objectName: "selectAllButton"
                        text: qsTr("Select all shown")
                        onClicked: page.selectAllShown()
                    }
                    MyBorderlessButton {
                        objectName: "moveSelectionButton"
                        text: qsTr("Move to…")
                        enabled: page.selectionCount > 0 && root.userContactsLists.length > 1
                        onClicked: moveMenu.popup()
                    }
                    MyButton {
                        objectName: "deleteSelectionButton"
                        text: myTrStrings.deleteStr
                        dangerStyle: true
                        enabled: page.selectionCount > 0
                        onClicked: deleteSelectionDialog.open()
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
                        fullname: Contacts.shownName(contact)
                        email: contact ? Contacts.text(contact.email) : ""
                        selected: (page.selectionRevision, page.isSelected(contactIndex))
                        onManage: page.openContact(contactIndex)
                        onClicked: modifiers => page.clickRow(index, modifiers)
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

    MyMenu {
        id: moveMenu
        objectName: "moveMenu"

        Instantiator {
            model: root.userContactsLists.filter(name => name !== page.activeList)
            delegate: MyMenuItem {
                required property string modelData
                text: modelData
                onTriggered: page.moveSelection(modelData)
            }
            onObjectAdded: (index, object) => moveMenu.insertItem(index, object)
            onObjectRemoved: (index, object) => moveMenu.removeItem(object)
        }
    }

    MyConfirmationDialog {
        id: deleteSelectionDialog
        objectName: "deleteSelectionDialog"
        message: qsTr("Delete %Ln contact(s) from the list %1?", "", page.selectionCount)
                 .arg(page.activeList)
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: page.deleteSelection()
    }

    MyConfirmationDialog {
        id: sameMailboxDialog
        objectName: "sameMailboxDialog"
        confirmBtnText: qsTr("Add anyway")
        onConfirmedChanged: {
            if (page.addContact(itemData, true) === "") {
                addContactDialog.form.clear()
                addContactDialog.close()
            }
        }
    }

    MyConfirmationDialog {
        id: deleteListDialog
        objectName: "deleteListDialog"
        message: qsTr("Are you sure you want to delete the list %1 and its %Ln contact(s)?", "",
                      page.activeListTotal).arg(page.activeList)
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: page.deleteActiveList()
    }

    Connections {
        target: root.contactBook
        function onImportFinished(completed, outcome) {
            page.endImport(completed, outcome)
        }
    }

    ImportProgressDialog {
        id: importProgressDialog
        objectName: "importProgressDialog"
        cardImport: page.cardImport
    }

    MyFileDialog {
        id: importDialog
        openMode: true
        title: qsTr("Import Contacts to %1").arg(page.activeList)
        nameFilters: [qsTr("Contacts file (*.vcf *.vcard *.csv)"), qsTr("vCard file (*.vcf *.vcard)"),
            qsTr("CSV file (*.csv)")]
        onAccepted: page.chooseImportFile(selectedFile)
    }

    CsvImportDialog {
        id: csvImportDialog
        objectName: "csvImportDialog"
        page: page
    }

    CsvWriter {
        id: csvWriter
    }

    MyFileDialog {
        id: exportCsvDialog
        saveMode: true
        title: qsTr("Export %1").arg(page.activeList)
        nameFilters: [qsTr("CSV file (*.csv)")]
        defaultSuffix: "csv"
        onSaveChosen: file => page.exportList(file, true)
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
