import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// One template of the catalogue: its preview image, its categories and the
// Preview and Edit buttons.
Rectangle {
    id: card

    // { url, preview, categories } as the templates page keeps it.
    required property var template
    property bool editEnabled: true

    signal previewClicked()
    signal editClicked()

    width: 250
    height: 400
    radius: Constants.radius
    color: Constants.primaryDarkColor
    border.color: Constants.primaryLigthColor
    clip: true

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 1
        spacing: 8

        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: 300

            Image {
                id: image
                objectName: "previewImage"
                anchors.fill: parent
                source: card.template.preview
                fillMode: Image.PreserveAspectCrop
                verticalAlignment: Image.AlignTop
                asynchronous: true
                cache: true
                sourceSize.width: 500
            }
            MyLabel {
                anchors.centerIn: parent
                visible: image.status !== Image.Ready
                font.bold: false
                textFormat: Text.PlainText
                text: image.status === Image.Loading ? qsTr("Loading preview…")
                                                     : qsTr("No preview")
            }
        }

        Text {
            objectName: "templateCategories"
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            text: card.template.categories.join(" ")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: Constants.primaryLigthColor5
            font.pointSize: 9
        }

        Item {
            Layout.fillHeight: true
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            Layout.bottomMargin: 10
            spacing: 10

            MyButton {
                objectName: "previewButton"
                Layout.fillWidth: true
                secondaryStyle: true
                text: myTrStrings.preview
                onClicked: card.previewClicked()
            }
            MyButton {
                objectName: "editButton"
                Layout.fillWidth: true
                enabled: card.editEnabled
                text: myTrStrings.edit
                onClicked: card.editClicked()
            }
        }
    }
}
