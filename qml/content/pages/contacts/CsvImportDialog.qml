import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QmlCppBridge
import content

// Before a CSV file is imported: what was found in it (delimiter, encoding,
// its first rows) and, for each column, the contact field it feeds, preset
// from its header. "Import" hands the file and the mapping to the page's
// import; closing the dialog otherwise changes nothing.
MyHeaderlessDialog {
    id: dialog

    // The contacts page.
    required property var page
    property url fileUrl
    // What the preview read: headers, rows, delimiter, encoding.
    property var preview: ({ "headers": [], "rows": [] })
    // The field of each column, -1 for a column not imported.
    property var mapping: []
    // The e-mail field: an import needs a column for it.
    readonly property int emailField: 4
    readonly property bool canImport: mapping.indexOf(emailField) >= 0

    // The choices of every column, in the reader's field order after "Not
    // imported".
    readonly property var fieldChoices: [
        qsTr("Not imported"), myTrStrings.last_name, myTrStrings.first_name,
        qsTr("Full name"), myTrStrings.telephone, myTrStrings.email, myTrStrings.company,
        myTrStrings.occupation, myTrStrings.website, qsTr("Other e-mail addresses")
    ]

    // Reads the start of the file and opens on it; the error of the preview
    // ("unreadable", "empty") when it cannot be read, "" once open.
    function load(url) {
        // A plain script object: the native map has no declared keys.
        const result = Object.assign({}, csvPreview.read(url))
        if (result.error !== "")
            return result.error
        fileUrl = url
        preview = result
        mapping = result.mapping.slice()
        open()
        return ""
    }

    function setField(column, field) {
        const next = mapping.slice()
        next[column] = field
        mapping = next
    }

    function delimiterName(delimiter) {
        if (delimiter === ";")
            return qsTr("semicolon")
        if (delimiter === "\t")
            return qsTr("tab")
        return qsTr("comma")
    }

    // The column's values in the first rows, on one line.
    function samples(column) {
        const values = []
        for (const row of preview.rows) {
            if (column < row.length && row[column] !== "")
                values.push(row[column].replace(/\s+/g, " "))
        }
        return values.join(" · ")
    }

    function submit() {
        if (!canImport)
            return
        const url = fileUrl
        const chosen = mapping.slice()
        close()
        page.importContacts(url, chosen)
    }

    width: 640
    height: Math.min(560, parent ? parent.height - 20 : 560)

    CsvPreview {
        id: csvPreview
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.bottomMargin: 15
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: "<h2>" + qsTr("Import a CSV file") + "</h2>"
            textFormat: Text.StyledText
            color: "white"
        }
        MyLabel {
            objectName: "csvFormatLabel"
            Layout.fillWidth: true
            font.bold: false
            text: qsTr("Delimiter: %1. Encoding: %2.").arg(dialog.delimiterName(dialog.preview.delimiter))
                  .arg(dialog.preview.encoding
                       + (dialog.preview.byteOrderMark ? " " + qsTr("(with byte-order mark)") : ""))
        }
        MyLabel {
            Layout.fillWidth: true
            font.bold: false
            text: qsTr("Choose the contact field that each column feeds. The first rows of the file are shown beside it.")
        }
        ListView {
            id: columns

            objectName: "csvColumns"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            boundsBehavior: Flickable.StopAtBounds
            model: dialog.preview.headers.length
            delegate: RowLayout {
                id: columnRow

                required property int index

                width: ListView.view.width - 10
                spacing: 10

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 0

                    MyLabel {
                        Layout.fillWidth: true
                        text: dialog.preview.headers[columnRow.index]
                        elide: Text.ElideRight
                        wrapMode: Text.NoWrap
                    }
                    MyLabel {
                        Layout.fillWidth: true
                        font.bold: false
                        text: dialog.samples(columnRow.index)
                        elide: Text.ElideRight
                        wrapMode: Text.NoWrap
                    }
                }
                MyComboBox {
                    objectName: "csvField_" + columnRow.index
                    Layout.preferredWidth: 220
                    model: dialog.fieldChoices
                    currentIndex: dialog.mapping[columnRow.index] + 1
                    onActivated: choice => dialog.setField(columnRow.index, choice - 1)
                }
            }
            ScrollBar.vertical: ScrollBar {
                width: 7
                policy: columns.contentHeight > columns.height ? ScrollBar.AlwaysOn
                                                               : ScrollBar.AlwaysOff
            }
        }
        MyLabel {
            objectName: "csvNeedsEmail"
            Layout.fillWidth: true
            visible: !dialog.canImport
            font.bold: false
            text: qsTr("Choose the column that holds the e-mail addresses.")
        }
        MyDialogButtons {
            closeName: "csvCancelButton"
            confirmName: "csvImportButton"
            confirmText: myTrStrings.importStr
            confirmEnabled: dialog.canImport
            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.submit()
        }
    }
}
