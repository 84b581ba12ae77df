import QtQuick
import content

// The address search page. For now it shows its title only; the search form and run come with the search work.
MyPageLayout {
    id: page

    objectName: "SearchPage"
    title: myTrStrings.search
    content: Component {
        MyNoItem {}
    }
}
