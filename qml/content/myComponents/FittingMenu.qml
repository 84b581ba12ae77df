import QtQuick
import content

// A menu as wide as its widest entry needs, never narrower than
// `minimumWidth` nor wider than `maximumWidth`, so that no entry is cut.
MyMenu {
    id: menu

    property real minimumWidth: 0
    property real maximumWidth: 480

    readonly property real widestEntry: {
        let widest = 0
        for (let i = 0; i < count; ++i) {
            const entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitContentWidth + entry.leftPadding + entry.rightPadding)
        }
        return widest + leftPadding + rightPadding
    }

    width: Math.min(maximumWidth, Math.max(minimumWidth, implicitWidth, widestEntry))
}
