import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// The side menu: the program's name, a button per page (each opens its page
// with the panel it starts with), and the about and contact dialogs.
Rectangle {
    id: menu

    required property var screen
    readonly property alias homeMenu: homeMenu
    readonly property alias accountsMenu: accountsMenu
    readonly property alias contactsListsMenu: contactsListsMenu
    readonly property alias searchMenu: searchMenu
    readonly property alias templatesMenu: templatesMenu
    readonly property alias suppressionMenu: suppressionMenu
    // The page buttons, whose marking navigation clears.
    readonly property var pageButtons: [homeMenu, accountsMenu, contactsListsMenu, searchMenu,
                                        templatesMenu, suppressionMenu]

    objectName: "sideMenu"
    color: Constants.primaryDarkColor
    enabled: !screen.loading

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Image {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 15
            Layout.preferredWidth: 48
            Layout.preferredHeight: 48
            source: "../resources/images/logo.png"
            fillMode: Image.PreserveAspectFit
            mipmap: true
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 5
            Layout.bottomMargin: 10
            text: Qt.application.name
            color: Constants.menuTextColor
            font.bold: true
            font.pointSize: 10
        }
        MyListSeparator {
            Layout.fillWidth: true
        }

        MySideMenuButton {
            id: homeMenu
            objectName: "homeMenu"
            action: Action {
                id: homeAction
                text: myTrStrings.home
                icon.source: "../resources/images/menus/home.png"
                onTriggered: menu.screen.openPage("home", homeAction)
            }
        }
        MySideMenuButton {
            id: accountsMenu
            objectName: "accountsMenu"
            action: Action {
                id: accountsAction
                text: myTrStrings.accounts
                icon.source: "../resources/images/menus/accounts.png"
                onTriggered: menu.screen.openPage("accounts", accountsAction)
            }
        }
        MySideMenuButton {
            id: contactsListsMenu
            objectName: "contactsListsMenu"
            action: Action {
                id: contactsListsAction
                text: myTrStrings.contacts
                icon.source: "../resources/images/menus/address-lists.png"
                onTriggered: menu.screen.openPage("contacts", contactsListsAction)
            }
        }
        MySideMenuButton {
            id: searchMenu
            objectName: "searchMenu"
            action: Action {
                id: searchAction
                text: myTrStrings.search
                icon.source: "../resources/images/menus/search.png"
                onTriggered: menu.screen.openPage("search", searchAction)
            }
        }
        MySideMenuButton {
            id: templatesMenu
            objectName: "templatesMenu"
            action: Action {
                id: templatesAction
                text: myTrStrings.templates
                icon.source: "../resources/images/menus/templates.png"
                onTriggered: menu.screen.openPage("templates", templatesAction)
            }
        }
        MySideMenuButton {
            id: suppressionMenu
            objectName: "suppressionMenu"
            action: Action {
                id: suppressionAction
                text: qsTr("Suppression")
                icon.source: "../resources/images/icons/stop.png"
                onTriggered: menu.screen.openPage("suppression", suppressionAction)
            }
        }

        Item {
            Layout.fillHeight: true
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: Constants.primaryLigthColor
        }
        MySideMenuDialogButton {
            id: aboutMenu
            objectName: "aboutMenu"
            action: Action {
                text: myTrStrings.about
                icon.source: "../resources/images/menus/about.png"
                onTriggered: aboutDialog.open()
            }
        }
        MySideMenuDialogButton {
            id: contactUsMenu
            objectName: "contactUsMenu"
            action: Action {
                text: myTrStrings.contact_us
                icon.source: "../resources/images/menus/contact.png"
                onTriggered: contactUsDialog.open()
            }
        }
    }

    AboutDialog {
        id: aboutDialog
        information: menu.screen.appInformation
    }
    ContactUsDialog {
        id: contactUsDialog
        information: menu.screen.appInformation
    }
}
