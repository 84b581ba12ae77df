import QtQuick
import content

// The contact lists page. For now it shows its title only; lists, contacts and vCard import come with the contacts work.
MyPageLayout {
    id: page

    objectName: "ContactsListsPage"
    title: myTrStrings.contacts_list
    content: Component {
        MyNoItem {}
    }
}
