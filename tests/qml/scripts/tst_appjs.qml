import QtQuick
import QtTest
import "qrc:/qt/qml/content/resources/js/app.js" as AppJs

// The shared script helpers, loaded the way the views load them. The main
// screen, the window's clipboard editor and the success toast are stand-ins
// with the ids the helpers look up.
Item {
    id: scene
    width: 100
    height: 100

    Item {
        id: mainScreen
        property bool loading: false
        property bool partialLoading: false
    }

    TextEdit {
        id: copyTextEdit
        visible: false
    }

    TextEdit {
        id: pasteTarget
        visible: false
    }

    QtObject {
        id: successToast
        property var shown: []
        function show(text, duration) {
            shown = shown.concat([{ "text": text, "duration": duration }])
        }
    }

    QtObject {
        id: dialogStub
        property var shown: []
        function showSuccessToast(message) {
            shown = shown.concat([message])
        }
    }

    TestCase {
        name: "AppJs"

        function test_getEmailsDomains() {
            compare(AppJs.getEmailsDomains("@gmail.com, @company.com"), ["@gmail.com", "@company.com"])
            compare(AppJs.getEmailsDomains("gmail.com, @mail.example.fr"), ["@mail.example.fr"])
            compare(AppJs.getEmailsDomains("gmail.com"), [])
            compare(AppJs.getEmailsDomains("@a.b"), [])
        }

        function test_getUniqueValues() {
            compare(AppJs.getUniqueValues(["a", "b", "a"]), ["a", "b"])
            compare(AppJs.getUniqueValues([]), [])
            compare(AppJs.getUniqueValues(["b", "a", "b", "c", "a"]), ["b", "a", "c"])
            // Strict comparison: a number and its text are two values; case counts.
            compare(AppJs.getUniqueValues([1, "1", "A", "a"]), [1, "1", "A", "a"])
        }

        function test_contactsToText() {
            compare(AppJs.contactsToText([]), "")
            compare(AppJs.contactsToText([{ "email": "a@b.fr" }]), "a@b.fr")
            compare(AppJs.contactsToText([{ "email": "a@b.fr" }, { "email": "c@d.fr" }, { "email": "e@f.fr" }]),
                    "a@b.fr;c@d.fr;e@f.fr")
            compare(AppJs.contactsToText([{ "email": "" }, { "email": "c@d.fr" }]), "c@d.fr")
            compare(AppJs.contactsToText([{ "email": "a@b.fr" }, { "email": "" }, { "email": "c@d.fr" }]),
                    "a@b.fr;;c@d.fr")
            compare(AppJs.contactsToText([{ "email": "a@b.fr", "date": "1/2/26" }, { "date": "x" }]), "a@b.fr;")
        }

        function test_fileBaseName() {
            compare(AppJs.fileBaseName("C:/mails/offer.pdf"), "offer.pdf")
            compare(AppJs.fileBaseName("/home/u/tasks/week 1.pvsav"), "week 1.pvsav")
            compare(AppJs.fileBaseName("file:///home/u/a.html"), "a.html")
            compare(AppJs.fileBaseName("offer.pdf"), "offer.pdf")
            compare(AppJs.fileBaseName("dir/"), "")
            compare(AppJs.fileBaseName(42), "42")
        }

        function test_urlToString_data() {
            return [
                { tag: "drive letter", url: "file:///C:/mails/offer.pdf", path: "C:/mails/offer.pdf" },
                { tag: "drive letter, escaped space", url: "file:///D:/my%20mails/a.html", path: "D:/my mails/a.html" },
                { tag: "posix path", url: "file:///home/u/a%20b.html", path: "/home/u/a b.html" },
                { tag: "posix, non-ASCII", url: "file:///home/u/r%C3%A9sum%C3%A9.pdf", path: "/home/u/résumé.pdf" },
                { tag: "posix, escaped percent", url: "file:///tmp/100%25.txt", path: "/tmp/100%.txt" },
                { tag: "malformed escape kept", url: "file:///tmp/50%.txt", path: "/tmp/50%.txt" },
                { tag: "already a path", url: "/home/u/a%20b.html", path: "/home/u/a%20b.html" },
                { tag: "already a windows path", url: "C:/mails/offer.pdf", path: "C:/mails/offer.pdf" },
                { tag: "network share", url: "file://server/share/my%20mails/a.pdf", path: "//server/share/my mails/a.pdf" },
                { tag: "this machine by name", url: "file://localhost/home/u/a.pdf", path: "/home/u/a.pdf" },
                { tag: "empty", url: "", path: "" }
            ]
        }

        function test_urlToString(data) {
            compare(AppJs.urlToString(data.url), data.path)
        }

        function test_urlToString_urlValue() {
            // File dialogs hand over url values, not texts.
            var url = Qt.url("file:///home/u/a%20b.html")
            compare(AppJs.urlToString(url), "/home/u/a b.html")
        }

        function test_getRandomString() {
            compare(AppJs.getRandomString(0), "")
            var id = AppJs.getRandomString(10)
            compare(id.length, 10)
            verify(/^[A-Za-z0-9]{10}$/.test(id), id)
            verify(AppJs.getRandomString(10) !== AppJs.getRandomString(10))

            // Every one of the 62 characters turns up in a long draw, and nothing else.
            var draw = AppJs.getRandomString(6200)
            compare(draw.length, 6200)
            var seen = {}
            for (var i = 0; i < draw.length; ++i)
                seen[draw[i]] = true
            compare(Object.keys(seen).length, 62)
            verify(/^[A-Za-z0-9]+$/.test(draw))
        }

        function test_busyFlag() {
            mainScreen.loading = false
            mainScreen.partialLoading = false

            AppJs.startLoading()
            verify(mainScreen.loading)
            verify(!mainScreen.partialLoading)

            // A search asks for the partial state itself; a second start keeps it.
            mainScreen.partialLoading = true
            AppJs.startLoading()
            verify(mainScreen.loading)
            verify(mainScreen.partialLoading)

            // Not counted: one stop ends it all.
            AppJs.startLoading()
            AppJs.stopLoading()
            verify(!mainScreen.loading)
            verify(!mainScreen.partialLoading)

            // Stopping while idle leaves the partial flag alone.
            mainScreen.partialLoading = true
            AppJs.stopLoading()
            verify(!mainScreen.loading)
            verify(mainScreen.partialLoading)
            mainScreen.partialLoading = false
        }

        function test_copyToClipboard() {
            successToast.shown = []
            dialogStub.shown = []

            AppJs.copyToClipboard("a@b.fr;c@d.fr", "2 emails copied.")
            pasteTarget.text = ""
            pasteTarget.paste()
            compare(pasteTarget.text, "a@b.fr;c@d.fr")
            compare(successToast.shown.length, 1)
            compare(successToast.shown[0].text, "2 emails copied.")
            compare(successToast.shown[0].duration, 5000)
            compare(dialogStub.shown.length, 0)

            AppJs.copyToClipboard("+33 1 23 45 67 89", "Phone number copied.", dialogStub)
            pasteTarget.text = ""
            pasteTarget.paste()
            compare(pasteTarget.text, "+33 1 23 45 67 89")
            compare(dialogStub.shown, ["Phone number copied."])
            compare(successToast.shown.length, 1)
        }
    }
}
