import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// The message preview, the detail area's first view: the text (as rich text
// when it looks like markup), or the chosen HTML file in a web view with the
// references the message will not embed, and the attachments, each removable.
MyDetailLayout {
    id: detail

    readonly property bool htmlChosen: root.detailEmailContentUrl !== ""
    // The web view needs a windowing system with a web engine; on the
    // offscreen platform (tests, headless runs) the file is named instead.
    readonly property bool webViewAvailable: Qt.platform.pluginName !== "offscreen"
    // A first start: nothing to preview and no account to send with yet.
    readonly property bool firstSteps: root.userComptes.length === 0 && !htmlChosen
                                       && root.detailEmailContent === ""

    function removeAttachment(index) {
        if (root.runInputsLocked)
            return
        const attachments = root.emailAttachments.slice()
        attachments.splice(index, 1)
        root.emailAttachments = attachments
    }

    objectName: "EmailContentDetail"
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

    // What to do first, in the empty preview, until an account exists.
    ColumnLayout {
        objectName: "firstSteps"
        visible: detail.firstSteps
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        spacing: 8

        MyLabel {
            Layout.fillWidth: true
            text: qsTr("Getting started")
            color: Constants.primaryLigthColor5
        }
        MyLabel {
            objectName: "firstStepAccount"
            Layout.fillWidth: true
            font.bold: false
            text: qsTr("1. Add the SMTP account you send with: open %1, then %2. A test message proves it works.")
                  .arg(myTrStrings.accounts).arg(myTrStrings.add_account)
        }
        MyLabel {
            objectName: "firstStepList"
            Layout.fillWidth: true
            font.bold: false
            text: qsTr("2. Create a contact list: open %1, then %2, and add or import its contacts.")
                  .arg(myTrStrings.contacts).arg(myTrStrings.new_list)
        }
        MyLabel {
            Layout.fillWidth: true
            font.bold: false
            text: qsTr("3. Come back here to write the message, choose its lists and press %1.")
                  .arg(myTrStrings.send)
        }
    }

    ScrollView {
        objectName: "textPreview"
        visible: !detail.htmlChosen && !detail.firstSteps
        Layout.fillWidth: true
        Layout.fillHeight: true
        // The text scrolls in here, not the whole panel.
        Layout.preferredHeight: 100
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        clip: true
        contentWidth: availableWidth

        Text {
            // Rich text (tables and styles included) when the message looks
            // like markup, plain otherwise; never with anything to load.
            readonly property bool markup: /<\/?[A-Za-z][A-Za-z0-9]*(\s[^<>]*)?\/?>|<!--/
                                           .test(root.detailEmailContent)

            objectName: "previewText"
            width: parent.width
            text: markup ? AppJs.withoutResources(root.detailEmailContent) : root.detailEmailContent
            textFormat: markup ? Text.RichText : Text.PlainText
            wrapMode: Text.Wrap
            color: Constants.primaryLigthColor4
            font.pointSize: 10
        }
    }

    Loader {
        id: webViewLoader

        objectName: "webViewLoader"
        visible: detail.htmlChosen && status === Loader.Ready
        Layout.fillWidth: true
        Layout.fillHeight: true
        active: detail.htmlChosen && detail.webViewAvailable
        source: "../compose/HtmlWebView.qml"
        onLoaded: item.path = Qt.binding(() => root.detailEmailContentUrl)
    }

    // Where no web view can run: the file's name in place of its rendering.
    ColumnLayout {
        objectName: "htmlFallback"
        visible: detail.htmlChosen && webViewLoader.status !== Loader.Ready
        Layout.fillWidth: true
        Layout.fillHeight: true
        spacing: 10

        Item {
            Layout.fillHeight: true
        }
        Image {
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 96
            Layout.preferredHeight: 96
            source: "../../resources/images/icons/html-file.png"
            fillMode: Image.PreserveAspectFit
            mipmap: true
            opacity: 0.8
        }
        MyLabel {
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            horizontalAlignment: Text.AlignHCenter
            font.bold: false
            // The whole path: a work file from elsewhere may name any file.
            objectName: "htmlPathLabel"
            textFormat: Text.PlainText
            wrapMode: Text.WrapAnywhere
            text: root.detailEmailContentUrl
        }
        Item {
            Layout.fillHeight: true
        }
    }

    // What the message will leave out of the chosen HTML file, read again
    // whenever another file is chosen.
    UnembeddedReferences {
        objectName: "unembeddedReferences"
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        entries: detail.htmlChosen ? bridge.unembeddedReferences(root.detailEmailContentUrl) : []
    }

    ColumnLayout {
        objectName: "attachmentsStrip"
        visible: root.emailAttachments.length > 0
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        Layout.bottomMargin: 10
        spacing: 5

        MyLabel {
            text: myTrStrings.attachments
        }
        Flow {
            Layout.fillWidth: true
            spacing: 5

            Repeater {
                model: root.emailAttachments
                delegate: MyTag {
                    required property string modelData
                    required property int index
                    objectName: "attachmentTag_" + index
                    // The whole path, wrapped: a work file may name any file.
                    width: Math.min(implicitWidth, parent ? parent.width : implicitWidth)
                    wrapText: true
                    text: modelData
                    // A run under way keeps the attachments it started with.
                    removable: !root.runInputsLocked
                    onRemoved: detail.removeAttachment(index)
                }
            }
        }
    }
}
