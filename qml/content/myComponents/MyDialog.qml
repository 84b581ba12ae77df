import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls.impl
import Parvane

// Modal dialog centred in the window, with a header (icon, title,
// description) and its own danger and success toast stacks. The toasts show
// from the dialog's top edge, over its title, so that they never hide the
// buttons at its foot.
Dialog {
    id: control

    property string dialogTitle
    property string description
    property url icon
    property int descriptionFontSize: 11

    // The close icon is offered only while Escape or a click outside may close.
    readonly property bool closable: (closePolicy & (Popup.CloseOnEscape | Popup.CloseOnPressOutside)) !== 0

    function showToast(message) {
        dangerToasts.show(message, 5000)
    }
    function showSuccessToast(message) {
        successToasts.show(message, 5000)
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    width: 450
    height: 350
    padding: 0
    topPadding: 0
    bottomPadding: 0
    font.pointSize: Constants.labelFontSize

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 120 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 120 }
    }

    background: Rectangle {
        color: Constants.primaryColor
        border.color: Constants.primaryLigthColor
        radius: 5
    }

    Overlay.modal: Rectangle {
        color: "#99000000"
    }

    header: Item {
        implicitHeight: 141

        Rectangle {
            id: iconBox
            visible: String(control.icon) !== ""
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 80
            height: 80
            radius: 5
            color: Constants.primaryDarkColor

            IconImage {
                anchors.centerIn: parent
                sourceSize.width: 48
                sourceSize.height: 48
                source: control.icon
                color: Constants.primaryLigthColor8
            }
        }

        Column {
            anchors.left: iconBox.visible ? iconBox.right : parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 40
            anchors.verticalCenter: parent.verticalCenter
            spacing: 6

            Text {
                width: parent.width
                text: control.dialogTitle
                textFormat: Text.PlainText
                font.pointSize: Constants.dialogTitleFontSize
                font.bold: true
                color: Constants.primaryLigthColor5
                // A longer (translated) title takes a second line rather than being cut.
                wrapMode: Text.Wrap
            }
            Text {
                width: parent.width
                visible: text !== ""
                text: control.description
                textFormat: Text.PlainText
                font.pointSize: control.descriptionFontSize
                color: Constants.primaryLigthColor4
                wrapMode: Text.Wrap
                maximumLineCount: 4
                elide: Text.ElideRight
            }
        }

        MyCloseIconButton {
            objectName: "dialogCloseButton"
            visible: control.closable
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 2
            onClicked: control.close()
        }

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Constants.primaryLigthColor
        }
    }

    // Over the whole dialog, header included: the popup's own item holds
    // the header, the content and the background.
    ToastManager {
        id: dangerToasts
        objectName: "dialogDangerToasts"
        parent: control.contentItem.parent
        fromTop: true
        dangerStyle: true
    }
    ToastManager {
        id: successToasts
        objectName: "dialogSuccessToasts"
        parent: control.contentItem.parent
        fromTop: true
        successStyle: true
    }
}
