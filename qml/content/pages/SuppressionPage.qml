import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content

// The suppression list: the addresses no run mails again (unsubscribed,
// bounced for good, complained, added by hand). A search over them, the
// newest first; adding, importing and exporting; and removal, the user's
// explicit act, each asked for once more.
MyPageLayout {
    id: page

    readonly property SuppressionList list: root.suppressionList
    property var results: []
    property int matches: 0
    readonly property alias removeDialog: removeDialog

    function search() {
        list.search(searchText, 500)
    }
    property string searchText: ""
    onSearchTextChanged: search()

    function reasonText(reason) {
        switch (reason) {
        case "unsubscribed": return qsTr("Unsubscribed")
        case "bounced": return qsTr("Bounced for good")
        case "complained": return qsTr("Complained")
        default: return qsTr("Added by hand")
        }
    }

    function addAddress(address) {
        if (!list.add(address, "manual")) {
            toast.show(qsTr("“%1” is not a valid e-mail address.").arg(address), 5000)
            return false
        }
        return true
    }

    Component.onCompleted: search()

    // What the last check asked for here found, said on the page.
    property string mailboxText: ""
    property bool mailboxAsked: false
    function checkMailboxes() {
        mailboxAsked = root.checkMailboxes()
        mailboxText = mailboxAsked ? "" : qsTr("A check is under way already.")
    }
    Connections {
        target: root.mailboxWatcher
        enabled: page.mailboxAsked
        function onChecked(suppressed, found, error) {
            page.mailboxAsked = false
            page.mailboxText = error !== ""
                    ? qsTr("A mailbox could not be read: %1").arg(error)
                    : qsTr("New reports about your messages: %1; addresses listed: %2.")
                      .arg(myTrStrings.number(found)).arg(myTrStrings.number(suppressed))
        }
    }

    Connections {
        target: page.list

        function onChanged() {
            page.search()
        }
        function onSearched(text, results, matches) {
            page.results = results
            page.matches = matches
        }
        function onImported(added, skipped, error) {
            if (error !== "")
                toast.show(qsTr("The file could not be read: %1").arg(error), 8000)
            else
                successToast.show(qsTr("%Ln address(es) added to the suppression list.", "", added), 5000)
        }
        function onExported(count, error) {
            if (error !== "")
                toast.show(qsTr("The file could not be written: %1").arg(error), 8000)
            else
                successToast.show(qsTr("%Ln address(es) exported.", "", count), 5000)
        }
    }

    objectName: "SuppressionPage"
    title: qsTr("Suppression list")
    titleButtons: Component {
        RowLayout {
            MyButton {
                objectName: "mailboxCheckButton"
                text: root.mailboxWatcher.busy ? qsTr("Reading the mailboxes…") : qsTr("Check the mailboxes")
                secondaryStyle: true
                visible: root.userComptes.some(account => !!account.imapHost)
                enabled: !root.mailboxWatcher.busy
                onClicked: page.checkMailboxes()
            }
            MyButton {
                objectName: "suppressionImportButton"
                text: qsTr("Import…")
                secondaryStyle: true
                enabled: page.list.loaded && !page.list.busy
                onClicked: importDialog.open()
            }
            MyButton {
                objectName: "suppressionExportButton"
                text: qsTr("Export…")
                secondaryStyle: true
                enabled: page.list.loaded && !page.list.busy && page.list.count > 0
                onClicked: {
                    exportDialog.proposeInDocuments(qsTr("suppression list") + ".csv")
                    exportDialog.open()
                }
            }
        }
    }
    content: Component {
        Item {
            readonly property real viewportHeight: typeof pagesFlickable !== "undefined"
                                                   ? pagesFlickable.height : 600
            implicitHeight: Math.max(300, viewportHeight - page.chromeHeight)

            ColumnLayout {
                anchors.fill: parent
                spacing: 10

                MyLabel {
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    font.bold: false
                    text: qsTr("No run sends to these addresses, whatever list or field they come from. Addresses are added when someone unsubscribes or when a server says an address does not exist.")
                }
                MyLabel {
                    objectName: "mailboxCheckText"
                    Layout.fillWidth: true
                    visible: text !== ""
                    wrapMode: Text.WordWrap
                    font.bold: false
                    textFormat: Text.PlainText
                    text: page.mailboxText
                }
                MyCheckBox {
                    objectName: "suppressBouncesBox"
                    text: qsTr("List addresses that bounce for good")
                    checked: root.suppressBounces
                    onToggled: root.suppressBounces = checked
                }
                RowLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    MyTextField {
                        id: addField
                        objectName: "suppressionAddField"
                        Layout.fillWidth: true
                        placeholderText: qsTr("Address to add")
                        onAccepted: addButton.clicked()
                    }
                    MyButton {
                        id: addButton
                        objectName: "suppressionAddButton"
                        text: qsTr("Add")
                        enabled: addField.text.trim() !== "" && page.list.loaded
                        onClicked: {
                            if (page.addAddress(addField.text.trim()))
                                addField.text = ""
                        }
                    }
                }
                MyTextField {
                    objectName: "suppressionSearchField"
                    Layout.fillWidth: true
                    placeholderText: qsTr("Search an address")
                    onTextChanged: page.searchText = text
                }
                MyLabel {
                    objectName: "suppressionCountLabel"
                    Layout.fillWidth: true
                    font.bold: false
                    textFormat: Text.PlainText
                    text: !page.list.loaded ? qsTr("Reading the list…")
                          : page.searchText.trim() === ""
                            ? qsTr("%Ln address(es) on the list.", "", page.list.count)
                            : qsTr("%Ln address(es) found.", "", page.matches)
                }
                MyLabel {
                    objectName: "suppressionErrorLabel"
                    Layout.fillWidth: true
                    visible: page.list.error !== ""
                    wrapMode: Text.WordWrap
                    textFormat: Text.PlainText
                    color: Constants.warningLigthColor3
                    text: qsTr("The suppression list could not be saved: %1").arg(page.list.error)
                }
                ListView {
                    objectName: "suppressionListView"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: page.results
                    delegate: RowLayout {
                        id: row

                        required property var modelData
                        required property int index

                        width: ListView.view.width
                        spacing: 10

                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 2

                            MyLabel {
                                Layout.fillWidth: true
                                elide: Text.ElideRight
                                textFormat: Text.PlainText
                                text: row.modelData.address
                            }
                            MyLabel {
                                Layout.fillWidth: true
                                elide: Text.ElideRight
                                textFormat: Text.PlainText
                                font.bold: false
                                text: page.reasonText(row.modelData.reason) + " – "
                                      + new Date(row.modelData.at).toLocaleString(myTrStrings.locale, Locale.ShortFormat)
                                      + (row.modelData.detail !== "" ? " – " + row.modelData.detail : "")
                            }
                        }
                        MyButton {
                            objectName: "suppressionRemove" + row.index
                            text: qsTr("Remove")
                            dangerStyle: true
                            onClicked: {
                                removeDialog.itemData = row.modelData.address
                                removeDialog.open()
                            }
                        }
                    }
                }
            }
        }
    }

    MyConfirmationDialog {
        id: removeDialog

        objectName: "suppressionRemoveDialog"
        message: qsTr("Remove %1 from the suppression list? Runs will send to this address again.")
                 .arg(itemData ? itemData : "")
        confirmBtnText: qsTr("Remove")
        dangerStyle: true
        onConfirmedChanged: page.list.remove(itemData)
    }

    MyFileDialog {
        id: importDialog
        objectName: "suppressionImportDialog"
        openMode: true
        title: qsTr("Import addresses to the suppression list")
        nameFilters: [qsTr("CSV file (*.csv)"), qsTr("Text file (*.txt)")]
        onAccepted: page.list.importFile(selectedFile)
    }

    MyFileDialog {
        id: exportDialog
        objectName: "suppressionExportDialog"
        saveMode: true
        title: qsTr("Export the suppression list")
        nameFilters: [qsTr("CSV file (*.csv)")]
        defaultSuffix: "csv"
        onSaveChosen: file => page.list.exportFile(file)
    }
}
