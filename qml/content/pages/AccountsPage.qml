import QtQuick
import content

// The SMTP accounts page. For now it shows its title only; the account list and forms come with the accounts work.
MyPageLayout {
    id: page

    objectName: "AccountsPage"
    title: myTrStrings.accounts_list
    content: Component {
        MyNoItem {}
    }
}
