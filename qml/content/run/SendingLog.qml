import QtQuick
import QtQuick.Controls.Basic
import Parvane
import content

// The run's log: one entry per recipient. A list view keeps appending cheap
// however long the run: only the visible entries are laid out, and the text
// already written is never copied again.
MyInputBackground {
    id: log

    readonly property int count: entries.count

    // Adds a chunk of the log exactly as written (its own line breaks included).
    function append(chunk) {
        entries.append({ "chunk": String(chunk) })
        // One scroll per batch of entries, not one per entry.
        if (!scrollPending) {
            scrollPending = true
            Qt.callLater(scrollToEnd) // qmllint disable type
        }
    }

    function clear() {
        entries.clear()
    }

    // The whole log as one text, for copying and for tests.
    function logText() {
        const parts = new Array(entries.count)
        for (let i = 0; i < entries.count; ++i)
            parts[i] = entries.get(i).chunk
        return parts.join("")
    }

    property bool scrollPending: false

    function scrollToEnd() {
        scrollPending = false
        view.positionViewAtEnd()
    }

    implicitHeight: 200

    ListModel {
        id: entries
    }

    ListView {
        id: view

        objectName: "logView"
        anchors.fill: parent
        anchors.margins: 8
        clip: true
        model: entries
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            width: 7
        }

        delegate: Text {
            required property string chunk

            width: ListView.view.width - 10
            // A chunk ends with its line break; the text shows the lines before it.
            text: chunk.endsWith("\n") ? chunk.substring(0, chunk.length - 1) : chunk
            textFormat: Text.PlainText
            // At word boundaries; a long address without one still breaks.
            wrapMode: Text.Wrap
            color: Constants.primaryLigthColor4
            font.pointSize: 10
        }
    }
}
