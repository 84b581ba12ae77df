import QtQuick
import Parvane
import QmlCppBridge
import content

// Signing an account in with its provider, as the add dialog and the account
// panel offer it: the job, and the line that tells the user how it goes.
OAuthSignIn {
    id: signIn

    property string statusText: ""

    // Opens the provider's page ("microsoft" or "google").
    function begin(name) {
        provider = name
        settings = Constants.oauthProviders[name]
        statusText = ""
        if (!start())
            statusText = qsTr("Parvane has no %1 registration here: set PARVANE_OAUTH_%2_CLIENT_ID (see the README).")
                         .arg(Constants.oauthProviders[name].label).arg(name.toUpperCase())
    }

    objectName: "oauthSignIn"
    onBrowserWanted: statusText = qsTr("Answer in your browser, then come back here.")
    onFailed: (reason, detail) => statusText = myTrStrings.oauthFailureText(
                  reason, detail, Constants.oauthProviders[provider].label)
}
