import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// What a run started with Send is about to do, confirmed before anything is
// sent: how many recipients, repeated and invalid addresses (naming the
// invalid ones), placeholders that some recipients leave unreplaced.
MyHeaderlessDialog {
    id: dialog

    // Whether the messages carry an unsubscribe link, and in which language.
    property bool unsubscribe: true
    property string unsubscribeLanguage: "en"
    // The web service gave the one-click address; else a reply by e-mail only.
    property bool oneClick: true
    // What the sender's domain publishes (SenderDomainCheck); {} while asked.
    property var domain: ({})
    property var summary: ({ "total": 0, "duplicates": 0, "invalid": 0, "invalidAddresses": [],
                               "unreplaced": [], "received": 0 })
    property bool oncePerAddress: false
    // Send also to those an earlier run of this message reached.
    property bool sendAgain: false
    // A message larger than the server takes, said before anything is sent.
    property string sizeWarning: ""
    // The account that sends and the pace, for how long the run will take.
    // The accounts that send it, the active one first, and the pace.
    property var accounts: []
    property int intervalMs: 0
    readonly property int sendCount: Math.max(0, (oncePerAddress
                                                  ? summary.total - summary.duplicates - (summary.suppressedAddresses || 0)
                                                  : summary.total - (summary.suppressed || 0))
                                                 - (sendAgain ? 0 : summary.received || 0))
    // Set by Send; any other way of closing cancels.
    property bool answered: false

    signal confirmedRun(bool oncePerAddress, bool sendAgain)
    signal cancelledRun()

    function unreplacedLines() {
        const lines = []
        for (let i = 0; i < summary.unreplaced.length; ++i) {
            const item = summary.unreplaced[i]
            lines.push(qsTr("\"%1\" stays as written for %Ln recipient(s): the field is empty.", "", item.count)
                       .arg("{{" + item.field + "}}"))
        }
        return lines.join("\n")
    }

    // What to fix in the sender's domain; warnings only, the run may go.
    function domainLines() {
        const d = domain
        const lines = []
        if (d.spf === "missing")
            lines.push(qsTr("%1 publishes no SPF record: add one that allows %2, or providers may refuse the messages or file them as spam.").arg(d.domain).arg(d.host))
        else if (d.spf === "fail" || d.spf === "softfail")
            lines.push(qsTr("The SPF record of %1 does not allow %2, which sends the messages: add the server to it with an include or ip4 mechanism.").arg(d.domain).arg(d.host))
        if (d.dmarc === "missing")
            lines.push(qsTr("%1 publishes no DMARC record: add one at _dmarc.%1; large providers require it of bulk senders.").arg(d.domain))
        if (d.mx === "missing")
            lines.push(qsTr("%1 has no MX record: replies and bounces cannot reach it.").arg(d.domain))
        return lines.join("\n")
    }

    // Over 5,000 messages to Gmail, Yahoo or Microsoft: which of their rules
    // for bulk senders the message meets.
    function largeProviderLine() {
        const count = summary.largeProviders || 0
        if (count <= 5000)
            return ""
        const met = [], notMet = [], unknown = [qsTr("DKIM signature (ask your provider)")]
        const rule = (state, name) => (state === true ? met : state === false ? notMet : unknown).push(name)
        rule(unsubscribe && oneClick, qsTr("one-click unsubscribe"))
        rule(domain.spf === "pass" ? true : domain.spf === undefined || domain.spf === "unknown" ? undefined : false,
             "SPF")
        rule(domain.dmarc === undefined || domain.dmarc === "unknown" ? undefined : domain.dmarc !== "missing",
             "DMARC")
        const none = qsTr("none")
        return qsTr("%Ln message(s) go to Gmail, Yahoo and Microsoft addresses, whose rules for bulk senders apply. Met: %1. Not met: %2. Not checked from here: %3.", "", count)
            .arg(met.length > 0 ? met.join(", ") : none)
            .arg(notMet.length > 0 ? notMet.join(", ") : none)
            .arg(unknown.join(", "))
    }

    // How long the run takes at the pace and within the account's limits,
    // said when it is more than a minute; "" otherwise.
    function durationLine() {
        if (!visible || accounts.length === 0)
            return ""
        const ms = root.accountLimits.revision >= 0 ? root.accountLimits.estimateMs(accounts, sendCount, intervalMs) : 0
        if (ms < 60 * 1000)
            return ""
        const minutes = Math.ceil(ms / 60000)
        const days = Math.floor(minutes / 1440), hours = Math.floor(minutes % 1440 / 60), rest = minutes % 60
        const parts = []
        if (days > 0)
            parts.push(qsTr("%Ln day(s)", "", days))
        if (hours > 0)
            parts.push(qsTr("%Ln hour(s)", "", hours))
        if (rest > 0 && days === 0)
            parts.push(qsTr("%Ln minute(s)", "", rest))
        const limited = accounts.some(address => {
            const usage = root.accountLimits.usage(address)
            return usage.dayLimit > 0 || usage.hourLimit > 0 || usage.minuteLimit > 0
        })
        return (limited
                ? qsTr("At this pace and within the account's sending limits, the run takes about %1; it waits when a limit is reached and goes on by itself.")
                : qsTr("At this pace, the run takes about %1.")).arg(parts.join(" "))
    }

    // The invalid addresses themselves, so that none is skipped without a word.
    function invalidLine() {
        const addresses = summary.invalidAddresses || []
        if (addresses.length === 0)
            return ""
        const shown = addresses.slice(0, 10).join(", ") + (addresses.length > 10 ? ", \u2026" : "")
        return qsTr("Not valid, not sent: %1").arg(shown)
    }

    width: 460
    height: 400
    closePolicy: Popup.NoAutoClose
    onAboutToShow: answered = false
    onClosed: {
        if (answered)
            confirmedRun(oncePerAddress, sendAgain)
        else
            cancelledRun()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        anchors.topMargin: 0
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: qsTr("Ready to send")
            font.pointSize: 17
            color: "white"
        }
        MyLabel {
            objectName: "summaryTotal"
            Layout.fillWidth: true
            text: qsTr("%Ln recipient(s) will each receive one message.", "", dialog.sendCount)
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryAccounts"
            Layout.fillWidth: true
            visible: dialog.accounts.length > 1
            text: qsTr("%Ln account(s) share the recipients: %1.", "", dialog.accounts.length).arg(dialog.accounts.join(", "))
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryDuration"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.durationLine()
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryUnsubscribe"
            Layout.fillWidth: true
            text: dialog.unsubscribe
                  ? (dialog.unsubscribeLanguage === "fr"
                     ? qsTr("Each message carries an unsubscribe link, in French.")
                     : qsTr("Each message carries an unsubscribe link, in English."))
                  : qsTr("No unsubscribe link: for messages that are not marketing only.")
            textFormat: Text.PlainText
            color: dialog.unsubscribe ? "white" : Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryOneClick"
            visible: dialog.unsubscribe && !dialog.oneClick
            Layout.fillWidth: true
            text: qsTr("The web service cannot be reached: the link is a reply by e-mail, without one-click unsubscribe.")
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summarySize"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.sizeWarning
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryDuplicates"
            Layout.fillWidth: true
            visible: dialog.summary.duplicates > 0
            text: qsTr("%Ln address(es) appear more than once.", "", dialog.summary.duplicates)
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyCheckBox {
            objectName: "oncePerAddressBox"
            visible: dialog.summary.duplicates > 0
            checked: dialog.oncePerAddress
            onToggled: dialog.oncePerAddress = checked
            text: qsTr("Send once per address")
        }
        MyLabel {
            objectName: "summarySuppressed"
            Layout.fillWidth: true
            visible: (dialog.summary.suppressed || 0) > 0
            text: qsTr("Left out: %Ln recipient(s) on the suppression list, who are never sent to.", "",
                       dialog.summary.suppressed || 0)
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryReceived"
            Layout.fillWidth: true
            visible: (dialog.summary.received || 0) > 0
            text: qsTr("Left out: %Ln recipient(s) who already received this message in an earlier run.", "",
                       dialog.summary.received || 0)
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyCheckBox {
            objectName: "sendAgainBox"
            visible: (dialog.summary.received || 0) > 0
            checked: dialog.sendAgain
            onToggled: dialog.sendAgain = checked
            text: qsTr("Send to them again")
        }
        MyLabel {
            objectName: "summaryInvalid"
            Layout.fillWidth: true
            visible: dialog.summary.invalid > 0
            text: qsTr("%Ln address(es) are invalid and will be counted as failed.", "", dialog.summary.invalid)
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        MyLabel {
            objectName: "summaryInvalidList"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.invalidLine()
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
            maximumLineCount: 4
            elide: Text.ElideRight
        }
        MyLabel {
            objectName: "summaryPlaceholders"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.unreplacedLines()
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        // The sender's domain and the large providers' rules, scrolled when long.
        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: availableWidth

            ColumnLayout {
                width: parent.width
                spacing: 10

                MyLabel {
                    objectName: "summaryDomain"
                    Layout.fillWidth: true
                    visible: text !== ""
                    text: dialog.domainLines()
                    textFormat: Text.PlainText
                    color: Constants.warningLigthColor3
                    wrapMode: Text.Wrap
                }
                MyLabel {
                    objectName: "summaryLargeProviders"
                    Layout.fillWidth: true
                    visible: text !== ""
                    text: dialog.largeProviderLine()
                    textFormat: Text.PlainText
                    color: Constants.warningLigthColor3
                    wrapMode: Text.Wrap
                }
            }
        }
        MyDialogButtons {
            closeName: "summaryCancelButton"
            confirmName: "summarySendButton"
            confirmText: myTrStrings.send
            onCloseClicked: dialog.close()
            onConfirmClicked: {
                dialog.answered = true
                dialog.close()
            }
        }
    }
}
