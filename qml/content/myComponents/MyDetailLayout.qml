import QtQuick
import QtQuick.Layouts
import "../resources/js/app.js" as AppJs

// Base of every detail view: a column that ends the busy state once built.
ColumnLayout {
    Component.onCompleted: {
        if (typeof mainScreen !== "undefined" || typeof root !== "undefined")
            AppJs.stopLoading()
    }
}
