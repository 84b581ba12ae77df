import QtQuick

// The frame of a frameless window: within `margin` pixels of an edge the
// cursor shows the matching resize shape and a press hands the resize to the
// window system. Elsewhere the area lets every event through to the content.
MouseArea {
    id: area

    required property Window window
    property int margin: 11

    // Edges (Qt.Edges flags) that a point of the window is near; 0 inside.
    function edgesAt(px, py) {
        let edges = 0
        if (px < margin)
            edges |= Qt.LeftEdge
        if (px >= width - margin)
            edges |= Qt.RightEdge
        if (py < margin)
            edges |= Qt.TopEdge
        if (py >= height - margin)
            edges |= Qt.BottomEdge
        return edges
    }

    function cursorFor(edges) {
        const left = edges & Qt.LeftEdge, right = edges & Qt.RightEdge
        const top = edges & Qt.TopEdge, bottom = edges & Qt.BottomEdge
        if ((left && top) || (right && bottom))
            return Qt.SizeFDiagCursor
        if ((right && top) || (left && bottom))
            return Qt.SizeBDiagCursor
        if (left || right)
            return Qt.SizeHorCursor
        if (top || bottom)
            return Qt.SizeVerCursor
        return Qt.ArrowCursor
    }

    // The area only exists for points on the frame, so the content keeps its
    // own cursors, hovers and clicks everywhere else.
    containmentMask: QtObject {
        function contains(point: point): bool {
            return area.edgesAt(point.x, point.y) !== 0
        }
    }

    hoverEnabled: true
    acceptedButtons: Qt.LeftButton
    cursorShape: cursorFor(edgesAt(mouseX, mouseY))
    onPressed: mouse => {
        const edges = edgesAt(mouse.x, mouse.y)
        if (edges !== 0)
            window.startSystemResize(edges)
    }
}
