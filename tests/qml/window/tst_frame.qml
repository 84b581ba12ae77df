import QtQuick
import QtTest
import content

// The frame of the frameless window: which edges a press resizes, and the
// cursor shown over each part of the frame.
Item {
    Window {
        id: host

        width: 1000
        height: 730
        visible: true

        // Content under the frame, as the window's pages are.
        MouseArea {
            id: content

            property int clicks: 0

            anchors.fill: parent
            onClicked: clicks++
        }

        WindowResizeArea {
            id: frame

            anchors.fill: parent
            window: host
            margin: 11
        }
    }

    TestCase {
        name: "Frame"
        when: windowShown

        function test_edges_data() {
            return [
                { tag: "inside", x: 500, y: 300, edges: 0 },
                { tag: "last inside point near the left", x: 11, y: 300, edges: 0 },
                { tag: "left", x: 10, y: 300, edges: Qt.LeftEdge },
                { tag: "right", x: 989, y: 300, edges: Qt.RightEdge },
                { tag: "just inside the right margin", x: 988, y: 300, edges: 0 },
                { tag: "top", x: 500, y: 0, edges: Qt.TopEdge },
                { tag: "bottom", x: 500, y: 719, edges: Qt.BottomEdge },
                { tag: "top left", x: 3, y: 3, edges: Qt.LeftEdge | Qt.TopEdge },
                { tag: "top right", x: 995, y: 5, edges: Qt.RightEdge | Qt.TopEdge },
                { tag: "bottom left", x: 0, y: 729, edges: Qt.LeftEdge | Qt.BottomEdge },
                { tag: "bottom right", x: 999, y: 729, edges: Qt.RightEdge | Qt.BottomEdge }
            ]
        }
        function test_edges(data) {
            compare(frame.edgesAt(data.x, data.y), data.edges)
            // Only the frame takes events; the content keeps everything else.
            compare(frame.contains(Qt.point(data.x, data.y)), data.edges !== 0)
        }

        function test_contentKeepsItsClicks() {
            content.clicks = 0
            mouseClick(content, 500, 300)
            mouseClick(content, 12, 12)
            compare(content.clicks, 2)
            // A press on the frame belongs to the frame.
            mousePress(content, 5, 300)
            mouseRelease(content, 5, 300)
            compare(content.clicks, 2)
        }

        function test_cursors() {
            compare(frame.cursorFor(Qt.LeftEdge | Qt.TopEdge), Qt.SizeFDiagCursor)
            compare(frame.cursorFor(Qt.RightEdge | Qt.BottomEdge), Qt.SizeFDiagCursor)
            compare(frame.cursorFor(Qt.RightEdge | Qt.TopEdge), Qt.SizeBDiagCursor)
            compare(frame.cursorFor(Qt.LeftEdge | Qt.BottomEdge), Qt.SizeBDiagCursor)
            compare(frame.cursorFor(Qt.LeftEdge), Qt.SizeHorCursor)
            compare(frame.cursorFor(Qt.RightEdge), Qt.SizeHorCursor)
            compare(frame.cursorFor(Qt.TopEdge), Qt.SizeVerCursor)
            compare(frame.cursorFor(Qt.BottomEdge), Qt.SizeVerCursor)
        }
    }
}
