import QtQuick
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content

// The SMTP accounts page: every account with the button that opens its
// panel, and the dialog that adds one.
MyPageLayout {
    id: page

    readonly property alias addAccountDialog: addDialog

    function addAccount() {
        addDialog.addAccount()
    }

    function manage(index) {
        root.detailAccount = index
        root.loadDatail(accountDetailComponent)
    }

    objectName: "AccountsPage"
    title: myTrStrings.accounts_list
    content: Component {
        ColumnLayout {
            spacing: 10

            MyLabel {
                Layout.fillWidth: true
                text: myTrStrings.accounts_description
                font.bold: false
            }

            // Said once, plainly: where the passwords are when no keychain answered.
            MyLabel {
                objectName: "noKeychainNotice"
                Layout.fillWidth: true
                visible: root.secrets.backend === SecretStore.File
                wrapMode: Text.WordWrap
                textFormat: Text.PlainText
                font.bold: false
                color: Constants.warningLigthColor3
                text: qsTr("No keychain answered on this computer, so your passwords are kept in a file that only you can read: %1")
                      .arg(root.secrets.fallbackFile)
            }

            MyLinkButton {
                objectName: "addAccountLink"
                text: myTrStrings.add_account
                icon.source: "../resources/images/icons/plus.png"
                onClicked: addDialog.open()
            }

            MyNoItem {
                objectName: "noAccountLabel"
                Layout.fillWidth: true
                visible: root.userComptes.length === 0
            }

            Repeater {
                model: root.userComptes

                delegate: ColumnLayout {
                    id: entry

                    required property var modelData
                    required property int index

                    Layout.fillWidth: true
                    spacing: 10

                    AccountRow {
                        objectName: "accountRow" + entry.index
                        Layout.fillWidth: true
                        account: entry.modelData
                        onManageClicked: page.manage(entry.index)
                    }
                    MyListSeparator {
                        visible: entry.index < root.userComptes.length - 1
                    }
                }
            }
        }
    }

    AddAccountDialog {
        id: addDialog
    }
}
