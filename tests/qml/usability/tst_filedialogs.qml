import QtQuick
import QtCore
import QtTest
import ParvaneTest
import QmlCppBridge

// Every file dialog of the program, opened through its real button in the
// real window. Offscreen there is no native dialog, so these are Qt Quick's
// own: a module that dialog needs going missing fails here instead of
// crashing a user's program.
Item {
    // The test's own access to files.
    QmlCppBridge {
        id: files
    }

    AppDriver {
        id: driver
        testCase: testCase
    }

    TestCase {
        id: testCase

        name: "FileDialogs"
        when: windowShown

        property string documents: ""

        function contact(name, email) {
            return {
                "lastname": name, "firstname": "", "fullname": name, "telephone": "",
                "email": email, "company": "", "occupation": "", "website": "", "list": "Clients"
            }
        }

        function initTestCase() {
            // The documents folder of this suite's own settings home, so the
            // exports land there and never in the user's.
            const config = String(StandardPaths.writableLocation(StandardPaths.GenericConfigLocation))
                    .replace(/^file:\/\//, "")
            documents = config + "/Documents"
            files.cmdExcute("rm", ["-rf", documents])
            files.cmdExcute("mkdir", ["-p", documents])
            files.textToFile("file://" + config + "/user-dirs.dirs",
                             "XDG_DOCUMENTS_DIR=\"" + documents + "\"")
            compare(String(StandardPaths.writableLocation(StandardPaths.DocumentsLocation)),
                    "file://" + documents)

            driver.start()
            driver.setLanguage("en_EN")
            driver.seed({
                "userContactsLists": ["Clients"],
                "contactBook": [contact("Doe", "doe@example.com"), contact("Roe", "roe@example.com")]
            })
        }

        function cleanupTestCase() {
            driver.stop()
        }

        // The Qt Quick dialog that is open: its folder view, shown with a size.
        function dialogTitle() {
            const label = driver.find("dialogTitleBarLabel", true)
            return label ? label.text : ""
        }

        function closeDialog() {
            driver.click(driver.buttonWithText("Cancel"))
            tryVerify(() => driver.find("fileDialogListView", true) === null, 3000,
                      "the dialog is gone")
            driver.settle()
        }

        function openContactsPage() {
            driver.openPage("contactsListsMenu", "ContactsListsPage")
        }

        function openComposePage() {
            driver.openPage("homeMenu", "SendEmailsPage")
        }

        function openContactDetail() {
            openContactsPage()
            const rows = driver.collect(i => i.objectName === "manageButton")
            verify(rows.length > 0, "a contact row with its Manage button")
            driver.click(rows[0])
            driver.settle()
            compare(driver.find("detailStackView").currentItem.objectName, "ContactDetail")
        }

        function test_eachDialogOpensFromItsButton_data() {
            return [
                { tag: "import", title: "Import Contacts to Clients",
                  open: () => { openContactsPage(); driver.chooseFromMenu("contactsMenuButton", "importItem") } },
                { tag: "export list", title: "Export Clients",
                  open: () => { openContactsPage(); driver.chooseFromMenu("contactsMenuButton", "exportItem") } },
                { tag: "export contact", title: "Export Contact",
                  open: () => { openContactDetail(); driver.clickNamed("exportContactButton") } },
                { tag: "load html", title: "Choose File",
                  open: () => { openComposePage(); driver.clickNamed("loadHtmlButton") } },
                { tag: "attachments", title: "Choose Files",
                  open: () => { openComposePage(); driver.clickNamed("attachmentsButton") } }
            ]
        }

        function test_eachDialogOpensFromItsButton(data) {
            data.open()
            const view = driver.openFileDialogView()
            compare(dialogTitle(), data.title)
            verify(view.count >= 0)
            closeDialog()
        }

        // A new file's name typed into the dialog, as a user saves to a new file.
        function saveAs(name) {
            driver.openFileDialogView()
            driver.typeFileName(name)
            driver.acceptFileDialog()
        }

        function test_exportListToANewFile() {
            openContactsPage()
            driver.chooseFromMenu("contactsMenuButton", "exportItem")
            driver.openFileDialogView()
            const field = driver.find("fileNameTextField", true)
            compare(field.text, "Clients-contacts.vcf", "the list's file name is proposed")

            files.cmdExcute("rm", ["-f", documents + "/new-export.vcf"])
            saveAs("new-export.vcf")
            const text = files.textFromFile("file://" + documents + "/new-export.vcf")
            verify(text.indexOf("EMAIL;TYPE=INTERNET:doe@example.com") >= 0, text)
            verify(text.indexOf("EMAIL;TYPE=INTERNET:roe@example.com") >= 0, text)
            compare(text.split("BEGIN:VCARD").length - 1, 2, "two cards")
        }

        function test_exportListAcceptingTheProposal() {
            openContactsPage()
            files.cmdExcute("rm", ["-f", documents + "/Clients-contacts.vcf"])
            driver.chooseFromMenu("contactsMenuButton", "exportItem")
            driver.openFileDialogView()
            driver.acceptFileDialog()
            const text = files.textFromFile("file://" + documents + "/Clients-contacts.vcf")
            compare(text.split("BEGIN:VCARD").length - 1, 2, "two cards in the proposed file")
        }

        function test_exportContactToANewFile() {
            openContactDetail()
            driver.clickNamed("exportContactButton")
            driver.openFileDialogView()
            compare(driver.find("fileNameTextField", true).text, "contact.vcf")
            files.cmdExcute("rm", ["-f", documents + "/one contact.vcf"])
            saveAs("one contact.vcf")
            const text = files.textFromFile("file://" + documents + "/one contact.vcf")
            compare(text.split("BEGIN:VCARD").length - 1, 1, text)
        }

        // A list name is the user's: slashes and dots must not turn the
        // proposal into a path out of the documents folder.
        function test_hostileListNameStaysAFileName() {
            driver.seed({ "userContactsLists": ["../../etc/x", "Clients"] })
            const page = driver.openPage("contactsListsMenu", "ContactsListsPage")
            page.activeList = "../../etc/x"
            page.exportDialog.proposeInDocuments(page.activeList + "-contacts.vcf")
            compare(String(page.exportDialog.selectedFile),
                    "file://" + documents + "/.._.._etc_x-contacts.vcf")
            page.activeList = "Clients"
            driver.seed({ "userContactsLists": ["Clients"] })
        }
    }
}
