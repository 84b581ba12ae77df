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
    readonly property var files: QmlCppBridge

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

        // Texts of the main screen's success toasts, newest first.
        function successToasts() {
            const texts = []
            const kids = driver.screen.children
            for (let c = 0; c < kids.length; ++c) {
                const child = kids[c]
                if (child.successStyle === true && child.model && typeof child.show === "function") {
                    for (let i = 0; i < child.model.count; ++i)
                        texts.push(child.model.get(i).text)
                }
            }
            return texts
        }

        function test_exportContactToANewFile() {
            openContactDetail()
            const name = driver.find("detailStackView").currentItem.contact.fullname
            verify(name === "Doe" || name === "Roe", name)
            driver.clickNamed("exportContactButton")
            driver.openFileDialogView()
            compare(driver.find("fileNameTextField", true).text, name + ".vcf",
                    "the contact's own name is proposed")
            files.cmdExcute("rm", ["-f", documents + "/one contact.vcf"])
            saveAs("one contact.vcf")
            const text = files.textFromFile("file://" + documents + "/one contact.vcf")
            compare(text.split("BEGIN:VCARD").length - 1, 1, text)
            compare(successToasts()[0], "1 contact written to one contact.vcf.")
        }

        // Onto a file that exists the program asks first, naming it: declined,
        // the file keeps every byte and nothing is said to be written;
        // confirmed, the file holds the list's cards alone, and the toast says
        // how many went where.
        function test_exportOntoAnExistingFileAsksFirst() {
            const path = documents + "/taken.vcf"
            files.cmdExcute("rm", ["-f", path])
            files.textToFile("file://" + path, "BEGIN:VCARD\nFN:Someone else\nEND:VCARD")
            const before = files.cmdExcute("sha256sum", [path]).text
            verify(before.length > 64, before)
            const page = driver.openPage("contactsListsMenu", "ContactsListsPage")
            const replace = page.exportDialog.replaceDialog
            for (const answer of ["closeButton", "confirmButton"]) {
                const toastsBefore = successToasts().length
                driver.chooseFromMenu("contactsMenuButton", "exportItem")
                saveAs("taken.vcf")
                tryCompare(replace, "opened", true)
                compare(replace.message, "taken.vcf already exists. Replace it?")
                compare(driver.find("confirmButton", true, replace.contentItem).text, "Replace")
                driver.click(driver.find(answer, true, replace.contentItem))
                tryCompare(replace, "visible", false)
                driver.settle()
                if (answer === "closeButton") {
                    compare(files.cmdExcute("sha256sum", [path]).text, before,
                            "declined: not one byte changed")
                    compare(successToasts().length, toastsBefore, "nothing is said to be written")
                }
            }
            const text = files.textFromFile("file://" + path)
            compare(text.split("BEGIN:VCARD").length - 1, 2, text)
            verify(text.indexOf("Someone else") < 0, "the old card is gone")
            compare(successToasts()[0], "2 contacts written to taken.vcf.")
        }

        // In the French interface the whole save dialog is French: Qt's own
        // labels, its buttons, the proposed name and the sizes of the files it
        // lists; back in English, so is the dialog.
        function test_saveDialogSpeaksTheInterfaceLanguage() {
            files.cmdExcute("sh", ["-c", "rm -f '" + documents + "'/*.pvsav"])
            files.cmdExcute("sh", ["-c", "head -c 4096 /dev/zero > '" + documents + "/earlier.pvsav'"])
            const texts = () => driver.collect(i => typeof i.text === "string" && i.text !== "")
                    .map(i => i.text.replace("&", ""))
            for (const language of ["fr_FR", "en_EN"]) {
                const french = language === "fr_FR"
                driver.setLanguage(language)
                driver.click(driver.app.titleBar.saveButton)
                const view = driver.openFileDialogView()
                tryCompare(view, "count", 1)
                compare(driver.find("fileNameTextField", true).text,
                        french ? "mon-travail.pvsav" : "my-work.pvsav")
                const shown = texts()
                const expected = french ? ["Nom du fichier", "Filtre", "Enregistrer", "Annuler"]
                                        : ["File name", "Filter", "Save", "Cancel"]
                for (const text of expected)
                    verify(shown.indexOf(text) >= 0, text + " in " + JSON.stringify(shown))
                if (french) {
                    for (const english of ["File name", "Filter", "Open", "Save", "Cancel"])
                        verify(shown.indexOf(english) < 0, english + " is left in English")
                }
                const size = Qt.locale(french ? "fr_FR" : "en_US").formattedDataSize(4096)
                verify(size !== Qt.locale(french ? "en_US" : "fr_FR").formattedDataSize(4096))
                verify(shown.indexOf(size) >= 0, size + " in " + JSON.stringify(shown))
                driver.click(driver.buttonWithText(french ? "Annuler" : "Cancel"))
                tryVerify(() => driver.find("fileDialogListView", true) === null, 3000)
                driver.settle()
            }
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
