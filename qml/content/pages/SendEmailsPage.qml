import QtQuick
import content

// The compose page. For now it shows its title only; the message form and the sending run come with the compose work.
MyPageLayout {
    id: page

    objectName: "SendEmailsPage"
    title: myTrStrings.emailing
    content: Component {
        MyNoItem {}
    }
}
