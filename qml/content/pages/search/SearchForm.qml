import QtQuick
import QtQuick.Layouts
import content

// The search form and, below it, the latest run: its progress while it
// goes, its count of addresses and the Delete, Stop and Copy buttons.
ColumnLayout {
    id: view

    // The search page, which owns the form's values and the actions.
    required property var form
    readonly property var run: form.run
    readonly property bool idle: !root.isSearchRunning && !root.loading

    spacing: 8

    MyLabel {
        Layout.fillWidth: true
        text: myTrStrings.email_search_description
        font.bold: false
        wrapMode: Text.Wrap
    }

    MyLabel {
        text: myTrStrings.terms
    }
    MyTextField {
        objectName: "termsField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.ex_news_agencies
        text: view.form.terms
        onTextChanged: view.form.terms = text
    }

    MyLabel {
        text: myTrStrings.domains
    }
    MyTextField {
        objectName: "domainsField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.ex_gmail_com_company_com
        text: view.form.domains
        onTextChanged: view.form.domains = text
    }

    MyLabel {
        text: myTrStrings.emails_from_other_domains
    }
    RowLayout {
        spacing: 15

        MyRadioButton {
            objectName: "retrieveRadio"
            text: myTrStrings.retrieve
            checked: view.form.retrieveOther
            onToggled: view.form.retrieveOther = checked
        }
        MyRadioButton {
            objectName: "doNotRetrieveRadio"
            text: myTrStrings.do_not_retrieve
            checked: !view.form.retrieveOther
            onToggled: view.form.retrieveOther = !checked
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 15

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            spacing: 5

            MyLabel {
                text: myTrStrings.country
            }
            SearchChooser {
                id: countryChooser

                objectName: "countryChooser"
                Layout.fillWidth: true
                model: view.form.countries
                Component.onCompleted: {
                    view.form.countryBox = countryChooser
                    view.form.showChoices()
                }
                onActivated: index => view.form.chooseCountry(index)
                // A name typed in full chooses once the typing is done, not
                // at each name it passes on the way.
                onAccepted: view.form.commitChoices()
                onActiveFocusChanged: if (!activeFocus) view.form.commitChoices()
            }
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            spacing: 5

            MyLabel {
                text: myTrStrings.language
            }
            SearchChooser {
                id: languageChooser

                objectName: "languageChooser"
                Layout.fillWidth: true
                model: view.form.languages
                Component.onCompleted: {
                    view.form.languageBox = languageChooser
                    view.form.showChoices()
                }
                onActivated: index => view.form.chooseLanguage(index)
                onAccepted: view.form.commitChoices()
                onActiveFocusChanged: if (!activeFocus) view.form.commitChoices()
            }
        }
    }

    RowLayout {
        Layout.topMargin: 5
        spacing: 10

        MyButton {
            objectName: "clearButton"
            smBtn: false
            text: myTrStrings.clear
            onClicked: view.form.clear()
        }
        MyButton {
            objectName: "searchButton"
            smBtn: false
            secondaryStyle: true
            text: myTrStrings.search
            enabled: view.idle
            onClicked: view.form.search()
        }
    }

    // The latest run: shown while it goes, and afterwards when it found any.
    ColumnLayout {
        objectName: "searchResultArea"
        Layout.fillWidth: true
        Layout.topMargin: 15
        spacing: 8
        visible: root.isSearchRunning || root.lastSearchContacts.length > 0

        MyLabel {
            objectName: "searchResultCaption"
            text: root.isSearchRunning ? myTrStrings.search_in_progress : myTrStrings.search_result
        }
        MyProgressBar {
            objectName: "searchProgress"
            Layout.fillWidth: true
            visible: root.isSearchRunning
            value: view.run.progress
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            MyLabel {
                objectName: "searchFoundCount"
                Layout.fillWidth: true
                text: qsTr("%Ln email(s) found", "", root.lastSearchContacts.length)
                textFormat: Text.PlainText
                font.bold: false
            }
            MyButton {
                objectName: "deleteLastResultButton"
                visible: !root.isSearchRunning
                enabled: !root.loading
                dangerStyle: true
                text: myTrStrings.deleteStr
                onClicked: root.lastSearchContacts = []
            }
            MyButton {
                objectName: "stopSearchButton"
                visible: root.isSearchRunning
                warningStyle: true
                text: myTrStrings.stop
                onClicked: view.run.stop()
            }
            MyButton {
                objectName: "copyLastResultButton"
                enabled: view.idle
                text: myTrStrings.copy
                onClicked: root.copyContacts(root.lastSearchContacts)
            }
            MyButton {
                objectName: "addLastResultToListButton"
                enabled: view.idle && root.lastSearchContacts.length > 0
                text: qsTr("Add to a list")
                onClicked: view.form.addToListDialog.offer(root.lastSearchContacts.map(r => r.email))
            }
        }
    }
}
