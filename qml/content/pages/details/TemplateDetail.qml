import QtQuick
import QtQuick.Layouts
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// The template chosen on the templates page (detailTemplateUrl), shown in a
// web view limited to the web service's own site.
MyDetailLayout {
    id: detail

    // An address of the service's site only; anything else is not loaded.
    readonly property string address: AppJs.sameOrigin(root.detailTemplateUrl, Constants.baseUrl)
                                      ? root.detailTemplateUrl : ""

    objectName: "TemplateDetail"
    spacing: 10

    MyLabel {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        Layout.topMargin: 10
        text: "<h2>" + myTrStrings.preview + "</h2>"
        color: "white"
        textFormat: Text.StyledText
    }

    Loader {
        id: webViewLoader

        objectName: "templateWebViewLoader"
        visible: status === Loader.Ready
        Layout.fillWidth: true
        Layout.fillHeight: true
        // The page area's height, less the heading: the view has no height of its own.
        Layout.preferredHeight: detail.height - 60
        active: detail.address !== ""
        source: "../templates/TemplateWebView.qml"
        onLoaded: item.url = Qt.binding(() => detail.address)
    }

    MyLabel {
        objectName: "templateAddress"
        visible: webViewLoader.status !== Loader.Ready
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        font.bold: false
        textFormat: Text.PlainText
        wrapMode: Text.WrapAnywhere
        text: detail.address !== "" ? detail.address : myTrStrings.empty_views_details_description
    }
    Item {
        visible: webViewLoader.status !== Loader.Ready
        Layout.fillHeight: true
    }
}
