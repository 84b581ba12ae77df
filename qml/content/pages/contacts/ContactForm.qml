import QtQuick
import QtQuick.Layouts
import content

// The fields of a contact, two to a row, shared by the add dialog and the
// edit form of the contact detail. The full name may be left empty: it is
// then made from the names.
GridLayout {
    id: form

    property alias lastname: lastnameField.text
    property alias firstname: firstnameField.text
    property alias fullname: fullnameField.text
    property alias telephone: telephoneField.text
    property alias email: emailField.text
    property alias company: companyField.text
    property alias occupation: occupationField.text
    property alias website: websiteField.text

    // The typed values, as the contact rules take them.
    function values() {
        return {
            "lastname": lastname, "firstname": firstname, "fullname": fullname,
            "telephone": telephone,
            "email": email, "company": company, "occupation": occupation, "website": website
        }
    }

    // Puts a record's values into the fields; a missing field gives an empty one.
    function setValues(record) {
        const r = record ? record : {}
        const text = value => value === undefined || value === null ? "" : String(value)
        lastname = text(r.lastname)
        firstname = text(r.firstname)
        fullname = text(r.fullname)
        telephone = text(r.telephone)
        email = text(r.email)
        company = text(r.company)
        occupation = text(r.occupation)
        website = text(r.website)
    }

    function clear() {
        setValues({})
    }

    columns: 2
    columnSpacing: 15
    rowSpacing: 5

    MyLabel { text: myTrStrings.last_name; Layout.fillWidth: true }
    MyLabel { text: myTrStrings.first_name; Layout.fillWidth: true }
    MyTextField {
        id: lastnameField
        objectName: "lastnameField"
        Layout.fillWidth: true
        placeholderText: qsTr("Doe")
    }
    MyTextField {
        id: firstnameField
        objectName: "firstnameField"
        Layout.fillWidth: true
        placeholderText: qsTr("John")
    }

    MyLabel {
        text: qsTr("Full name")
        Layout.fillWidth: true
        Layout.columnSpan: 2
        Layout.topMargin: 5
    }
    MyTextField {
        id: fullnameField
        objectName: "fullnameField"
        Layout.fillWidth: true
        Layout.columnSpan: 2
        placeholderText: qsTr("Made from the names when left empty")
    }

    MyLabel { text: myTrStrings.telephone; Layout.fillWidth: true; Layout.topMargin: 5 }
    MyLabel { text: myTrStrings.email; Layout.fillWidth: true; Layout.topMargin: 5 }
    MyTextField {
        id: telephoneField
        objectName: "telephoneField"
        Layout.fillWidth: true
        placeholderText: qsTr("+22X XX XX XX XX...")
    }
    MyTextField {
        id: emailField
        objectName: "emailField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.doejohn_website_example
    }

    MyLabel { text: myTrStrings.company; Layout.fillWidth: true; Layout.topMargin: 5 }
    MyLabel { text: myTrStrings.occupation; Layout.fillWidth: true; Layout.topMargin: 5 }
    MyTextField {
        id: companyField
        objectName: "companyField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.my_company
    }
    MyTextField {
        id: occupationField
        objectName: "occupationField"
        Layout.fillWidth: true
        placeholderText: myTrStrings.trader
    }

    MyLabel { text: myTrStrings.website; Layout.fillWidth: true; Layout.columnSpan: 2; Layout.topMargin: 5 }
    MyTextField {
        id: websiteField
        objectName: "websiteField"
        Layout.fillWidth: true
        Layout.columnSpan: 2
        placeholderText: myTrStrings.website_example
    }
}
