import QtQuick
import content

// The template catalogue page. For now it shows its title only; the catalogue comes with the templates work.
MyPageLayout {
    id: page

    objectName: "TemplatesPage"
    title: myTrStrings.templates
    content: Component {
        MyNoItem {}
    }
}
