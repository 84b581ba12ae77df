import QtQuick
import QtQuick.Controls.Basic
import Parvane

ComboBox {
    id: control

    implicitWidth: 200
    implicitHeight: 40
    leftPadding: 0
    rightPadding: indicator.width + 10
    font.pointSize: Constants.inputFontSize
    // True while the box has the keyboard focus, and then only: a click
    // does not leave a hidden focus behind.
    readonly property bool focusFrameVisible: activeFocus
    focusPolicy: Qt.TabFocus

    delegate: ItemDelegate {
        id: row

        required property int index
        required property var model

        width: ListView.view ? ListView.view.width : control.width
        implicitHeight: 34
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
        leftPadding: 10
        rightPadding: 10

        contentItem: Text {
            text: control.textRole ? (Array.isArray(control.model) ? row.model.modelData[control.textRole]
                                                                   : row.model[control.textRole])
                                   : row.model.modelData
            font.pointSize: Constants.inputFontSize
            font.bold: control.currentIndex === row.index
            color: Constants.primaryLigthColor4
            elide: Text.ElideRight
            textFormat: Text.PlainText
            verticalAlignment: Text.AlignVCenter
        }

        background: Rectangle {
            color: row.highlighted ? Constants.primaryLigthColor : Constants.primaryDarkColor
        }
    }

    indicator: Text {
        x: control.width - width - 10
        anchors.verticalCenter: parent.verticalCenter
        text: "▼"
        font.pointSize: 8
        color: control.enabled ? Constants.primaryLigthColor4 : Constants.disabledItemColor
    }

    contentItem: Text {
        leftPadding: 10
        text: control.displayText
        font: control.font
        color: control.enabled ? Constants.primaryLigthColor4 : Constants.disabledItemColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        textFormat: Text.PlainText
    }

    background: MyInputBackground {
        implicitWidth: 200
        implicitHeight: 40
        borderColor: control.activeFocus || control.down ? Constants.secondaryColor
                                                         : Constants.primaryLigthColor
    }

    popup: Popup {
        y: control.height
        width: control.width
        implicitHeight: Math.min(contentItem.implicitHeight + topPadding + bottomPadding, 300)
        padding: 1

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex
            highlightMoveDuration: 0

            ScrollBar.vertical: ScrollBar {}
        }

        background: Rectangle {
            color: Constants.primaryDarkColor
            border.color: Constants.primaryLigthColor
        }
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
