import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// Chooses the contact lists that receive the message. Every click applies
// at once to the main screen's selectedLists; closing keeps the choice.
MyHeaderlessDialog {
    id: dialog

    // Adds the list at the end of the selection, or takes it out.
    function toggle(name) {
        const selection = root.selectedLists
        const at = selection.indexOf(name)
        if (at >= 0)
            root.selectedLists = selection.filter(n => n !== name)
        else
            root.selectedLists = selection.concat([name])
    }
    function selectAll() {
        root.selectedLists = root.userContactsLists.slice()
    }
    function unselectAll() {
        root.selectedLists = []
    }

    width: 500
    height: 510

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 15
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: "<h2>" + myTrStrings.select_the_desired_contact_lists + "</h2>"
            textFormat: Text.StyledText
            color: "white"
        }

        MyInputBackground {
            Layout.fillWidth: true
            Layout.fillHeight: true

            Flickable {
                anchors.fill: parent
                anchors.margins: 10
                clip: true
                contentHeight: tags.implicitHeight
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {
                    width: 7
                }

                Flow {
                    id: tags
                    width: parent.width
                    spacing: 5

                    Repeater {
                        model: root.userContactsLists
                        delegate: MyTag {
                            required property string modelData
                            objectName: "listTag_" + modelData
                            text: modelData
                            checkable: true
                            checked: root.selectedLists.indexOf(modelData) >= 0
                            onClicked: dialog.toggle(modelData)
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            MyButton {
                objectName: "selectAllButton"
                text: myTrStrings.select_all
                enabled: root.selectedLists.length < root.userContactsLists.length
                onClicked: dialog.selectAll()
            }
            MyButton {
                objectName: "unselectAllButton"
                text: myTrStrings.unselect_all
                enabled: root.selectedLists.length > 0
                onClicked: dialog.unselectAll()
            }
            Item {
                Layout.fillWidth: true
            }
            MyButton {
                objectName: "confirmButton"
                text: myTrStrings.confirm
                secondaryStyle: true
                onClicked: dialog.close()
            }
        }
    }
}
