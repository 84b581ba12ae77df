import QtQuick
import QtTest
import QmlCppBridge

TestCase {
    name: "ContactBook"

    ContactBook {
        id: book
    }

    function contact(email, list) {
        return { "email": email, "list": list }
    }

    function test_lookups() {
        book.setRecords([contact("a@x.io", "L"), contact("b@x.io", "M"), contact("c@x.io", "L")])
        compare(book.indexesOf("L"), [0, 2])
        compare(book.indexesOf("l"), [], "list names keep their case")
        compare(book.countBefore("L", 2), 1)
        compare(book.countBefore("L", 99), 2)
        verify(book.contains("c@x.io", "L"))
        verify(!book.contains("c@x.io", "M"))
        compare(book.record(3), undefined)
        compare(book.record(-1), undefined)
        verify(!book.setRecords(undefined), "no array: nothing replaced")
        const odd = JSON.parse('[{ "email": "p@x.io", "list": "L", "__proto__": { "list": "M" }, "id": 1 }]')
        verify(book.setRecords(odd))
        compare(Object.getPrototypeOf(book.record(0)), Object.prototype,
                "a stored field named like the prototype changes no record")
        compare(book.record(0).id, 1)
        compare(book.indexesOf("L"), [0])
        book.setRecords([contact("a@x.io", "L"), contact("b@x.io", "M"), contact("c@x.io", "L")])
        verify(!book.setRecords({ "email": "x@x.io", "list": "L" }))
        compare(book.count, 3)
    }

    // The check the form and the imports share: the whole text must match.
    function test_emailCheck_data() {
        return [
            { tag: "plain", email: "john@x.io", valid: true },
            { tag: "local host", email: "d@localhost", valid: true },
            { tag: "signs", email: "j.o+k{}@my-host.example-1.org", valid: true },
            { tag: "space", email: "jo hn@x.io", valid: false },
            { tag: "trailing space", email: "john@x.io ", valid: false },
            { tag: "line break after", email: "john@x.io\n", valid: false },
            { tag: "two dots", email: "john@x..io", valid: false },
            { tag: "final dot", email: "john@x.io.", valid: false },
            { tag: "non-ASCII", email: "zoé@x.io", valid: false },
            { tag: "no at", email: "john.x.io", valid: false },
            { tag: "empty", email: "", valid: false }
        ]
    }

    function test_emailCheck(data) {
        compare(book.isValidEmail(data.email), data.valid)
    }
}
