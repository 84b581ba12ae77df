import QtQuick
import QtWebView
import "../../resources/js/app.js" as AppJs

// The chosen HTML file as the recipients will see it. Kept in a file of its
// own and loaded on demand, so that the main screen never needs a web engine
// where none can run.
WebView {
    id: view

    // Local path of the HTML file.
    property string path

    // A local path ("/home/u/a.html" or "C:/mails/a.html") as a file address.
    url: path === "" ? ""
         : "file://" + (path.startsWith("/") ? "" : "/")
           + encodeURI(path).replace(/#/g, "%23").replace(/\?/g, "%3F")

    onLoadingChanged: loadRequest => {
        if (loadRequest.status === WebView.LoadStartedStatus)
            AppJs.startLoading()
        else
            AppJs.stopLoading()
    }
}
