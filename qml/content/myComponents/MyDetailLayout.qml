import QtQuick
import QtQuick.Layouts
import "../resources/js/app.js" as AppJs

// Base of every detail view: a column that scrolls when taller than the
// detail area, and ends the busy state once built.
MyScrollColumn {
    Component.onCompleted: {
        if (typeof mainScreen !== "undefined" || typeof root !== "undefined")
            AppJs.stopLoading() // qmllint disable type
    }
}
