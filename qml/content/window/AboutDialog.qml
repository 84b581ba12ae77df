import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// The installed version beside the latest one the web service announced,
// with the download page when they differ. Before any announcement has been
// received it says so instead of comparing with nothing.
MyDialog {
    id: dialog

    required property var information

    readonly property string latestVersion: information.version
    readonly property bool known: latestVersion !== ""
    readonly property bool upToDate: known && latestVersion === Constants.currentVersion

    objectName: "aboutDialog"
    width: 400
    height: 350
    dialogTitle: myTrStrings.about_parvane
    description: myTrStrings.parvane_app_description
    descriptionFontSize: 10
    icon: Qt.resolvedUrl("../resources/images/menus/about.png")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        spacing: 10

        // The installed version at the left, the comparison at the right.
        Item {
            Layout.fillWidth: true
            implicitHeight: Math.max(installed.implicitHeight, status.implicitHeight)

            MyLabel {
                id: installed
                objectName: "installedVersion"
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, parent.width - (status.visible ? status.width + 10 : 0))
                text: myTrStrings.installed_version + ": " + Constants.currentVersion
                textFormat: Text.PlainText
            }
            Text {
                id: status
                objectName: "versionStatus"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                visible: dialog.known
                text: dialog.upToDate ? myTrStrings.last_version_installed + " 🗸"
                                      : myTrStrings.there_is_a_newer_version
                textFormat: Text.PlainText
                font.pointSize: 8
                color: dialog.upToDate ? Constants.successColor : Constants.errorLigthColor
            }
        }

        MyLabel {
            objectName: "versionNotAvailable"
            visible: !dialog.known
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.bold: false
            textFormat: Text.PlainText
            text: qsTr("The latest version is not known yet: it is asked for at start-up when the computer is online.")
        }
        MyLabel {
            objectName: "latestInstalled"
            visible: dialog.upToDate
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.bold: false
            textFormat: Text.PlainText
            text: myTrStrings.latest_version_installed_description
        }
        MyButton {
            objectName: "downloadButton"
            visible: dialog.known && !dialog.upToDate
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: parent.width
            secondaryStyle: true
            text: qsTr("Download Parvane %1").arg(dialog.latestVersion)
            onClicked: {
                dialog.close()
                Qt.openUrlExternally(Constants.downloadAppUrl)
            }
        }

        Item {
            Layout.fillHeight: true
        }

        MyLabel {
            objectName: "nameNotice"
            Layout.fillWidth: true
            font.bold: false
            font.pointSize: 8
            textFormat: Text.PlainText
            text: "* " + qsTr("Parvane and its logo are names and marks of Velmora.")
        }
        MyButton {
            objectName: "aboutCloseButton"
            Layout.alignment: Qt.AlignRight
            text: myTrStrings.close
            onClicked: dialog.close()
        }
    }
}
