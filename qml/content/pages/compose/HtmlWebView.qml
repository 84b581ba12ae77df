import QtQuick
import QtQuick.Layouts
import QtWebEngine
import QmlCppBridge
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// The chosen HTML file as the recipients will see it, previewed as mail
// clients do: no scripts, nothing read outside the template's folder, and no
// request to any other host until the user asks for remote images. Kept in a
// file of its own and loaded on demand, so that the main screen never needs a
// web engine where none can run.
Item {
    id: preview

    // Local path of the HTML file.
    property string path
    readonly property alias view: view
    readonly property alias guard: guard

    // A local path ("/home/u/a.html" or "C:/mails/a.html") as a file address.
    readonly property string fileUrl: path === "" ? ""
        : "file://" + (path.startsWith("/") ? "" : "/")
          + encodeURI(path).replace(/#/g, "%23").replace(/\?/g, "%3F")

    // A fresh profile of its own, kept in memory only: nothing of a template
    // (cookies, cache, storage) outlives the preview.
    WebEngineProfile {
        id: previewProfile
        offTheRecord: true
        httpCacheType: WebEngineProfile.MemoryHttpCache
        persistentCookiesPolicy: WebEngineProfile.NoPersistentCookies
    }

    PreviewRequestGuard {
        id: guard
        profile: previewProfile
        path: preview.path
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Remote content was refused: say so, and offer to show it.
        Rectangle {
            objectName: "remoteNotice"
            visible: guard.blockedRemote > 0 && !guard.remoteAllowed
            Layout.fillWidth: true
            implicitHeight: noticeRow.implicitHeight + 10
            color: Constants.primaryDarkColor

            RowLayout {
                id: noticeRow
                anchors.fill: parent
                anchors.margins: 5
                spacing: 10

                MyLabel {
                    Layout.fillWidth: true
                    font.bold: false
                    text: qsTr("Remote images are not shown, so that the template's senders cannot see that it was opened.")
                }
                MyButton {
                    objectName: "showRemoteButton"
                    text: qsTr("Show remote images")
                    onClicked: {
                        guard.remoteAllowed = true
                        view.reload()
                    }
                }
            }
        }

        WebEngineView {
            id: view

            objectName: "htmlWebView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            profile: previewProfile
            url: preview.fileUrl

            settings.javascriptEnabled: false
            settings.javascriptCanOpenWindows: false
            settings.javascriptCanAccessClipboard: false
            settings.localStorageEnabled: false
            settings.pluginsEnabled: false
            // Remote requests are left to the guard, which refuses and counts
            // them (the engine's own refusal would hide them from the notice).
            settings.localContentCanAccessRemoteUrls: true
            settings.dnsPrefetchEnabled: false
            settings.navigateOnDropEnabled: false

            // Links are not followed inside the preview.
            onNavigationRequested: request => {
                if (request.navigationType === WebEngineNavigationRequest.LinkClickedNavigation)
                    request.action = WebEngineNavigationRequest.IgnoreRequest
            }

            onLoadingChanged: loadingInfo => {
                if (loadingInfo.status === WebEngineView.LoadStartedStatus)
                    AppJs.startLoading()
                else
                    AppJs.stopLoading()
            }
        }
    }
}
