import QtQuick
import QtTest
import QmlCppBridge
import "qrc:/qt/qml/content/resources/js/vcard.js" as VCard

// The vCard dialect as the contacts page uses it: our own cards must read back
// whole, and the common properties of other address books' cards must land in
// the right fields.
TestCase {
    name: "VCard"

    // The program's one vCard reader.
    readonly property var reader: QmlCppBridge

    readonly property var fields: ["lastname", "firstname", "fullname", "telephone",
                                   "email", "company", "occupation", "website", "otheremails"]

    // A contact record with every field empty except those given.
    function contact(values) {
        var result = {}
        for (var i = 0; i < fields.length; ++i)
            result[fields[i]] = values[fields[i]] !== undefined ? values[fields[i]] : ""
        return result
    }

    function card(lines) {
        return lines.join("\n")
    }

    // Compares parsed records with the expected ones field by field, and checks
    // that each record carries the contact's fields and nothing else.
    function compareRecords(actual, expected) {
        compare(actual.length, expected.length, "number of records")
        for (var i = 0; i < expected.length; ++i) {
            compare(Object.keys(actual[i]).sort(), fields.slice().sort(),
                    "fields of record " + i)
            for (var j = 0; j < fields.length; ++j)
                compare(actual[i][fields[j]], expected[i][fields[j]],
                        "record " + i + ", field " + fields[j])
        }
    }

    readonly property var fullContact: ({
        lastname: "Dupont", firstname: "Jean", fullname: "Dupont Jean",
        telephone: "+33 6 12 34 56 78", email: "jean.dupont@example.fr",
        company: "Dupont & Fils", occupation: "Gérant",
        website: "https://dupont.example.fr", list: "Clients"
    })

    function test_write_data() {
        return [
            { tag: "every field set",
              contact: fullContact,
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:Dupont;Jean", "FN:Dupont Jean",
                         "ORG:Dupont & Fils", "ROLE:Gérant", "TITLE:Gérant",
                         "URL:https://dupont.example.fr",
                         "EMAIL;TYPE=INTERNET:jean.dupont@example.fr",
                         "TEL;TYPE=voice,cell,pref:+33 6 12 34 56 78", "END:VCARD"] },
            { tag: "names only: five lines",
              contact: contact({ lastname: "Dupont", firstname: "Jean", fullname: "Dupont Jean" }),
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:Dupont;Jean", "FN:Dupont Jean",
                         "END:VCARD"] },
            { tag: "last name only: both components",
              contact: contact({ lastname: "Dupont", fullname: "Dupont" }),
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:Dupont;", "FN:Dupont", "END:VCARD"] },
            { tag: "first name only",
              contact: contact({ firstname: "Jean", fullname: "Jean" }),
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:;Jean", "FN:Jean", "END:VCARD"] },
            { tag: "e-mail only: empty N and FN are still written",
              contact: contact({ email: "a@example.org" }),
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:;", "FN:",
                         "EMAIL;TYPE=INTERNET:a@example.org", "END:VCARD"] },
            { tag: "other addresses after the preferred one",
              contact: contact({ email: "a@example.org", otheremails: "b@example.org\nc@example.org" }),
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:;", "FN:",
                         "EMAIL;TYPE=INTERNET;PREF=1:a@example.org", "EMAIL;TYPE=INTERNET:b@example.org",
                         "EMAIL;TYPE=INTERNET:c@example.org", "END:VCARD"] },
            { tag: "separators, backslashes and line breaks escaped",
              contact: contact({ lastname: "Dupont; Fils", fullname: "Roux, Ana", company: "A; B, C\\D",
                                 occupation: "Chef\nde projet",
                                 website: "http://h.example:8080/a?b=c,d;e" }),
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:Dupont\\; Fils;", "FN:Roux\\, Ana",
                         "ORG:A\\; B\\, C\\\\D",
                         "ROLE:Chef\\nde projet", "TITLE:Chef\\nde projet",
                         "URL:http://h.example:8080/a?b=c,d;e", "END:VCARD"] },
            { tag: "missing fields count as empty",
              contact: { email: "b@example.org", telephone: "0102" },
              expected: ["BEGIN:VCARD", "VERSION:4.0", "N:;", "FN:",
                         "EMAIL;TYPE=INTERNET:b@example.org", "TEL;TYPE=voice,cell,pref:0102",
                         "END:VCARD"] }
        ]
    }

    function test_write(data) {
        var text = VCard.getVCard(data.contact)
        compare(text, card(data.expected))
        verify(text.indexOf("undefined") < 0)
        verify(!text.endsWith("\n"), "no line end after END:VCARD")
    }

    function test_roundTrip_data() {
        return [
            { tag: "every field set", contact: fullContact },
            { tag: "e-mail and full name only",
              contact: contact({ fullname: "Service client", email: "support@example.com" }) },
            { tag: "first name only",
              contact: contact({ firstname: "Jean", fullname: "Jean", email: "jean@example.fr" }) },
            { tag: "non-ASCII names",
              contact: contact({ lastname: "Ødegård", firstname: "Éloïse", fullname: "Ødegård Éloïse",
                                 company: "Société Générale d'Équipement", occupation: "Ingénieure",
                                 email: "eloise@exämple.fr" }) },
            { tag: "Persian and Chinese names",
              contact: contact({ lastname: "رحیمی", firstname: "شیرین", fullname: "رحیمی شیرین",
                                 company: "北京科技有限公司", occupation: "设计师 🎨",
                                 telephone: "+98 21 1234 5678" }) },
            { tag: "backslashes and line breaks in values",
              contact: contact({ fullname: "C:\\new\\Dossiers", company: "A\\, B\\;",
                                 occupation: "Chef\nde projet", email: "a\\b@example.org" }) },
            { tag: "separators and colons inside values",
              contact: contact({ lastname: "Martin", firstname: "Luc", fullname: "Martin, Luc (Dr.)",
                                 company: "Martin; Roux, SA", occupation: "CEO: founder",
                                 website: "https://user:pw@martin.example:8443/x?a=b:c#d",
                                 email: "luc+news@martin.example", telephone: "+41-44-000" }) }
        ]
    }

    function test_roundTrip(data) {
        var records = reader.parseVCard(VCard.getVCard(data.contact))
        compareRecords(records, [contact(data.contact)])
    }

    // Export then import gives every field back exactly, whatever the text:
    // thousands of records drawn from separators, escapes, line breaks,
    // frame lines and scripts of every width (a fixed seed, so a failure
    // can be replayed).
    function test_roundTripOfGeneratedRecords() {
        var seed = 20261209
        function random(n) {
            seed = (seed * 1103515245 + 12345) % 2147483648
            return seed % n
        }
        var pieces = ["a", "Z", "7", " ", ",", ";", ":", "\\", "\n", "\\n", "\\,", "=", "\"",
                      "é", "Ø", "ß", "北京", "شیرین", "🎨", "\u00a0", "\t", "BEGIN:VCARD",
                      "END:VCARD", "VERSION:4.0", "N:", "FN;", "\ufeff", "=C3=A9", "@", "."]
        function text(maxPieces, withBreaks) {
            var result = ""
            var count = random(maxPieces + 1)
            for (var i = 0; i < count; ++i) {
                var piece = pieces[random(pieces.length)]
                if (!withBreaks && piece.indexOf("\n") >= 0)
                    continue
                result += piece
            }
            return result
        }
        var fieldsWithOthers = fields.concat(["otheremails"])
        for (var n = 0; n < 3000; ++n) {
            var record = {}
            for (var f = 0; f < fields.length; ++f)
                record[fields[f]] = text(6, true)
            // Addresses are one line each; the other addresses are told apart
            // from each other and from the contact's own, letter case aside.
            record.email = text(6, false)
            var others = []
            var known = [record.email.toLowerCase()]
            for (var k = random(4); k > 0; --k) {
                var other = text(5, false)
                if (other !== "" && known.indexOf(other.toLowerCase()) < 0) {
                    known.push(other.toLowerCase())
                    others.push(other)
                }
            }
            record.otheremails = others.join("\n")
            // A contact with a name has a full name: an empty one is made
            // from the names on reading.
            if (record.fullname === "" && (record.lastname !== "" || record.firstname !== ""))
                record.fullname = "x"
            if (record.email === "" && others.length > 0)
                record.email = "own"
            var parsed = reader.parseVCard(VCard.getVCard(record))
            compare(parsed.length, 1, "one card for " + JSON.stringify(record))
            for (f = 0; f < fieldsWithOthers.length; ++f)
                compare(parsed[0][fieldsWithOthers[f]], record[fieldsWithOthers[f]],
                        fieldsWithOthers[f] + " of " + JSON.stringify(record))
        }
    }


    // A list export joins cards with one LF, and the file gets one more line
    // end; the reader must give every contact back, in order.
    function test_listExportReadsBack() {
        var contacts = [
            fullContact,
            contact({ fullname: "Anna", email: "anna@example.de" }),
            contact({ lastname: "Li", firstname: "Wei", fullname: "Li Wei", email: "wei@example.cn",
                      telephone: "+86 10 0000" })
        ]
        var text = contacts.map(VCard.getVCard).join("\n") + "\n"
        compareRecords(reader.parseVCard(text), contacts.map(contact))
    }

    function test_read_data() {
        var b = "BEGIN:VCARD", v = "VERSION:4.0", e = "END:VCARD"
        return [
            { tag: "N with five components and no FN",
              text: card([b, v, "N:Dupont;Jean;;;", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "Dupont Jean" })] },
            { tag: "N components beyond the second are dropped",
              text: card([b, "N:Dupont;Jean;Pierre;M.;Jr.", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "Dupont Jean" })] },
            { tag: "N without separator is the first name",
              text: card([b, "N:Dupont", e]),
              expected: [contact({ firstname: "Dupont", fullname: "Dupont" })] },
            { tag: "N with empty last name",
              text: card([b, "N:;Jean;;;", e]),
              expected: [contact({ firstname: "Jean", fullname: "Jean" })] },
            { tag: "FN before N is kept",
              text: card([b, "FN:Jean Dupont", "N:Dupont;Jean", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "Jean Dupont" })] },
            { tag: "FN after N replaces the built name",
              text: card([b, "N:Dupont;Jean", "FN:J. Dupont", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "J. Dupont" })] },
            { tag: "empty FN keeps the name built from N",
              text: card([b, "N:Dupont;Jean", "FN:", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "Dupont Jean" })] },
            { tag: "ROLE then TITLE gives ROLE",
              text: card([b, "ROLE:Gérant", "TITLE:Directeur", e]),
              expected: [contact({ occupation: "Gérant" })] },
            { tag: "TITLE then ROLE gives ROLE",
              text: card([b, "TITLE:Directeur", "ROLE:Gérant", e]),
              expected: [contact({ occupation: "Gérant" })] },
            { tag: "TITLE alone",
              text: card([b, "TITLE:Directeur", e]),
              expected: [contact({ occupation: "Directeur" })] },
            { tag: "empty ROLE keeps TITLE",
              text: card([b, "TITLE:Directeur", "ROLE:", e]),
              expected: [contact({ occupation: "Directeur" })] },
            { tag: "URL split at the first colon only",
              text: card([b, "URL:https://example.com:8080/a?b=c:d", e]),
              expected: [contact({ website: "https://example.com:8080/a?b=c:d" })] },
            { tag: "of several EMAIL and TEL lines without preference, the first",
              text: card([b, "EMAIL:first@example.org", "TEL:111", "EMAIL:second@example.org",
                          "TEL:222", "EMAIL:FIRST@example.org", e]),
              expected: [contact({ email: "first@example.org", telephone: "111",
                                   otheremails: "second@example.org" })] },
            { tag: "a value that holds frame lines is no frame",
              text: card([b, "FN:BEGIN:VCARD", "ORG:END:VCARD", "TITLE:VERSION:4.0", e]),
              expected: [contact({ fullname: "BEGIN:VCARD", company: "END:VCARD",
                                   occupation: "VERSION:4.0" })] },
            { tag: "groups and parameters",
              text: card([b, "item1.EMAIL;TYPE=INTERNET,HOME:home@example.org",
                          "item2.TEL;TYPE=CELL;PREF=1:+33 6", "work.ORG;CHARSET=UTF-8:Acme",
                          "item3.URL;type=pref:http://acme.example", "g.FN;LANGUAGE=fr:Jean",
                          "g.N;SORT-AS=\"Dupont,Jean\":Dupont;Jean;;;", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "Jean",
                                   email: "home@example.org", telephone: "+33 6",
                                   company: "Acme", website: "http://acme.example" })] },
            // A name part that merely ends in N, or whose last parameter does,
            // is not the contact's name.
            { tag: "lines ending in N are not names",
              text: card([b, "N:Dupont;Jean", "FN:Jean Dupont", "TEL;type=MAIN:+33 1 40",
                          "TITLE;LANGUAGE=en:Engineer", "NOTE;LANGUAGE=en:Met in Bern",
                          "X-SOCIALPROFILE;type=linkedin:https://linkedin.example/in/jd",
                          "KIND:person", " continued text of Bern", e]),
              expected: [contact({ lastname: "Dupont", firstname: "Jean", fullname: "Jean Dupont",
                                   telephone: "+33 1 40", occupation: "Engineer" })] },
            { tag: "other properties are ignored",
              text: card([b, "PHOTO;VALUE=URL:http://img.example/p.jpg", "FBURL:http://fb.example",
                          "X-PHONETIC-ORG:akume", "X-EMAIL:x@example.org", "NICKNAME:JJ",
                          "ADR;TYPE=HOME:;;1 rue de la Paix;Paris;;75002;France", e]),
              expected: [contact({})] },
            { tag: "escapes undone",
              text: card([b, "ORG:Dupont\\, Fils\\; Cie", "FN:Jean\\nDupont", "TITLE:a\\\\b\\:c",
                          "N:Roux\\;Martin;Ana\\,Maria;;", e]),
              expected: [contact({ company: "Dupont, Fils; Cie", fullname: "Jean\nDupont",
                                   occupation: "a\\b:c", lastname: "Roux;Martin",
                                   firstname: "Ana,Maria" })] },
            { tag: "quoted-printable decoded in its character set",
              text: card([b, "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=89lise", "ORG;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Soci=E9t=E9", e]),
              expected: [contact({ fullname: "Élise", company: "Société" })] },
            // Folded at 75 octets, as the standards ask: the address must not
            // be cut where the line was.
            { tag: "folded lines unfolded",
              text: card([b, "EMAIL:maximilian.hohenzollern@immob", " ilien-verwaltung.example.com",
                          "FN:Jean", "ORG:Soci", "\tété Générale", e]),
              expected: [contact({ email: "maximilian.hohenzollern@immobilien-verwaltung.example.com",
                                   fullname: "Jean", company: "Société Générale" })] },
            { tag: "folded lines with CR LF line ends",
              text: [b, "FN:Jean Du", " pont", "EMAIL:j@exa", " mple.fr", e, ""].join("\r\n"),
              expected: [contact({ fullname: "Jean Dupont\r", email: "j@example.fr\r" })] },
            { tag: "CR LF line ends leave CR in values",
              text: [b, v, "N:Dupont;Jean", "FN:Jean Dupont", "EMAIL:j@example.fr", e, ""].join("\r\n"),
              expected: [contact({ lastname: "Dupont", firstname: "Jean\r", fullname: "Jean Dupont\r",
                                   email: "j@example.fr\r" })] },
            { tag: "CR-only line ends make one line: no card",
              text: [b, v, "FN:Jean", e].join("\r"), expected: [] },
            { tag: "empty text", text: "", expected: [] },
            { tag: "no END:VCARD", text: card([b, v, "FN:Jean", "EMAIL:j@example.fr"]), expected: [] },
            { tag: "not a card at all", text: "Hello\nworld: yes", expected: [] },
            { tag: "two cards in text order",
              text: card([b, "FN:Premier", e, "", b, "FN:Second", e]),
              expected: [contact({ fullname: "Premier" }), contact({ fullname: "Second" })] },
            { tag: "card begun again before its END",
              text: card([b, "FN:Lost", b, "FN:Kept", e]),
              expected: [contact({ fullname: "Kept" })] },
            { tag: "lines before the first card have no effect",
              text: card(["FN:Stray", "EMAIL:stray@example.org", e, b, "FN:Real", e]),
              expected: [contact({ fullname: "Real" })] },
            { tag: "lines after END still change that card",
              text: card([b, "FN:Jean", e, "EMAIL:late@example.org", b, "FN:Anna", e]),
              expected: [contact({ fullname: "Jean", email: "late@example.org" }),
                         contact({ fullname: "Anna" })] },
            { tag: "a repeated END gives one record",
              text: card([b, "FN:Jean", e, e]),
              expected: [contact({ fullname: "Jean" })] },
            { tag: "blank lines and lines without a colon",
              text: card(["", b, "", "FN:Jean", "EMAIL", "TEL;TYPE=CELL", "", e, ""]),
              expected: [contact({ fullname: "Jean" })] }
        ]
    }

    function test_read(data) {
        compareRecords(reader.parseVCard(data.text), data.expected)
    }

    function test_readNothing_data() {
        return [ { tag: "undefined", text: undefined }, { tag: "null", text: null } ]
    }

    function test_readNothing(data) {
        compare(reader.parseVCard(data.text).length, 0)
    }

    // Cards as other address books export them, written for this test.
    function test_foreignCards_data() {
        return [
            { tag: "phone address book, vCard 3.0",
              text: card([
                  "BEGIN:VCARD",
                  "VERSION:3.0",
                  "PRODID:-//Example Phone Inc.//Phone OS 17.2//EN",
                  "N:Rahimi;Shirin;;;",
                  "FN:Shirin Rahimi",
                  "ORG:Atelier Kaveh;Design",
                  "TITLE:Art Director",
                  "item1.EMAIL;type=INTERNET;type=HOME;type=pref:shirin.home@example.org",
                  "item2.EMAIL;type=INTERNET;type=WORK:shirin@atelier-kaveh.example",
                  "TEL;type=CELL;type=VOICE;type=pref:+33 6 12 34 56 78",
                  "TEL;type=MAIN:+33 1 40 00 00 00",
                  "item3.ADR;type=HOME;type=pref:;;12 rue des Lilas;Lyon;;69003;France",
                  "item3.X-ABADR:fr",
                  "item4.URL;type=pref:https://atelier-kaveh.example:8443/portfolio",
                  "item4.X-ABLabel:_$!<HomePage>!$_",
                  "X-SOCIALPROFILE;type=linkedin:https://www.linkedin.example/in/shirin-rahimi",
                  "BDAY;value=date:1988-04-21",
                  "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/4gHYSUNDX1BST0ZJTEUAAQ",
                  "  EAAAHIAAAAAAQwAABtbnRyUkdCIFhZWiAH4AABAAEAAAAAAABhY3NwAAAAAAAAAAAAAAN",
                  "END:VCARD"]),
              expected: [contact({ lastname: "Rahimi", firstname: "Shirin", fullname: "Shirin Rahimi",
                                   company: "Atelier Kaveh, Design", occupation: "Art Director",
                                   email: "shirin.home@example.org",
                                   otheremails: "shirin@atelier-kaveh.example",
                                   telephone: "+33 6 12 34 56 78",
                                   website: "https://atelier-kaveh.example:8443/portfolio" })] },
            { tag: "desktop mail client, vCard 4.0, two cards",
              text: card([
                  "BEGIN:VCARD",
                  "VERSION:4.0",
                  "PRODID:-//Example Mail 115.3//EN",
                  "UID:urn:uuid:6f1c2b0e-2d4f-4c8e-9a51-1d9e0b7a3c42",
                  "FN:Dr. Anna Müller",
                  "N:Müller;Anna;;Dr.;",
                  "EMAIL;PREF=1:anna.mueller@example.de",
                  "EMAIL;TYPE=work:a.mueller@uni-example.de",
                  "TEL;TYPE=cell;VALUE=TEXT:+49 170 1234567",
                  "TITLE;LANGUAGE=en:Research Fellow",
                  "ROLE:Principal Investigator",
                  "ORG:Universität Beispielstadt;Institut für Physik",
                  "URL;VALUE=URL:https://physik.uni-example.de/~mueller",
                  "NOTE:Met at the conference in Bern\\, 2023",
                  "ADR;TYPE=work:;;Hauptstraße 5;Beispielstadt;;12345;Deutschland",
                  "REV:20240115T101500Z",
                  "END:VCARD",
                  "BEGIN:VCARD",
                  "VERSION:4.0",
                  "FN:Jean-Luc Ødegård",
                  "N:Ødegård;Jean-Luc;;;",
                  "EMAIL:jl@example.no",
                  "END:VCARD"]),
              expected: [contact({ lastname: "Müller", firstname: "Anna", fullname: "Dr. Anna Müller",
                                   email: "anna.mueller@example.de", telephone: "+49 170 1234567",
                                   otheremails: "a.mueller@uni-example.de",
                                   occupation: "Principal Investigator",
                                   company: "Universität Beispielstadt, Institut für Physik",
                                   website: "https://physik.uni-example.de/~mueller" }),
                         contact({ lastname: "Ødegård", firstname: "Jean-Luc",
                                   fullname: "Jean-Luc Ødegård", email: "jl@example.no" })] },
            { tag: "older phone, vCard 2.1 with quoted-printable",
              text: card([
                  "BEGIN:VCARD",
                  "VERSION:2.1",
                  "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dupr=C3=A9;=C3=89lise;;;",
                  "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=89lise=20Dupr=C3=A9",
                  "TEL;CELL;PREF:+33612345678",
                  "TEL;HOME:+33145678901",
                  "EMAIL;HOME:elise.dupre@example.fr",
                  "X-ANDROID-CUSTOM:vnd.android.cursor.item/nickname;Lili;1;;;;;;;;;;;;;",
                  "END:VCARD"]),
              expected: [contact({ lastname: "Dupré", firstname: "Élise",
                                   fullname: "Élise Dupré", telephone: "+33612345678",
                                   email: "elise.dupre@example.fr" })] },
            // A phone's export: long quoted-printable values broken with soft
            // line breaks ("=" at the end of the line), the next line flush left.
            { tag: "phone export, vCard 2.1 with soft line breaks",
              text: card([
                  "BEGIN:VCARD",
                  "VERSION:2.1",
                  "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D8=B1=D8=AD=DB=8C=D9=85=DB=8C;=D8=B4=DB=8C=D8=B1=DB=8C=D9=86;;;",
                  "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D8=B4=DB=8C=D8=B1=DB=8C=D9=86=20=D8=B1=D8=AD=DB=8C=D9=85=",
                  "=DB=8C",
                  "ORG;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Soci=C3=A9t=C3=A9 d'=C3=89quipement et de Travaux Publ=",
                  "ics du Grand-Est",
                  "TEL;CELL:+989121234567",
                  "EMAIL;INTERNET:shirin@example.ir",
                  "END:VCARD"]),
              expected: [contact({ lastname: "رحیمی", firstname: "شیرین", fullname: "شیرین رحیمی",
                                   company: "Société d'Équipement et de Travaux Publics du Grand-Est",
                                   telephone: "+989121234567", email: "shirin@example.ir" })] },
            // A desktop mail client's export: vCard 4.0 folded at 75 octets
            // (a multi-byte letter may fall on either side of the fold),
            // escaped commas and semicolons.
            { tag: "desktop mail client export, folded and escaped",
              text: [
                  "BEGIN:VCARD",
                  "VERSION:4.0",
                  "N:Hohenzollern-Sigmaringen;Maximilian;Friedrich\\, Karl;;",
                  "FN:Maximilian Hohenzollern-Sigmaringen",
                  "EMAIL;PREF=1:maximilian.hohenzollern-sigmaringen@immobilien-verwaltung-",
                  " beispiel.example.com",
                  "ORG:Immobilienverwaltung Hohenzollern\\, Sigmaringen & Söhne GmbH\\; Abt",
                  " eilung Süd",
                  "TITLE:Geschäftsführer",
                  "NOTE:Line one\\nLine two",
                  "UID:c1a2b3d4-0000-4000-8000-0123456789ab",
                  "END:VCARD"].join("\n"),
              expected: [contact({ lastname: "Hohenzollern-Sigmaringen", firstname: "Maximilian",
                                   fullname: "Maximilian Hohenzollern-Sigmaringen",
                                   email: "maximilian.hohenzollern-sigmaringen@immobilien-verwaltung-beispiel.example.com",
                                   company: "Immobilienverwaltung Hohenzollern, Sigmaringen & Söhne GmbH; Abteilung Süd",
                                   occupation: "Geschäftsführer" })] },
            // A CardDAV server's card: vCard 3.0, a folded URL and a folded
            // e-mail address behind a group, tabs as fold marks too.
            { tag: "address book server card, vCard 3.0 folded",
              text: card([
                  "BEGIN:VCARD",
                  "VERSION:3.0",
                  "PRODID:-//Example//CardDAV Server 0.9//EN",
                  "UID:2f4e7b9a-1c3d-4e5f-8a9b-0c1d2e3f4a5b",
                  "N:O'Connor;Siobhán;;;",
                  "FN:Siobhán O'Connor",
                  "item1.EMAIL;TYPE=INTERNET,WORK:siobhan.oconnor@departm",
                  "\tent-of-agriculture.example.ie",
                  "item2.URL:https://www.example.ie/people/siobhan-oconnor?ref=addressbook&la",
                  " ng=ga",
                  "ORG:Roinn Talmhaíochta\\, Bia agus Mara",
                  "TEL;TYPE=WORK,VOICE:+353 1 607 2000",
                  "END:VCARD"]),
              expected: [contact({ lastname: "O'Connor", firstname: "Siobhán",
                                   fullname: "Siobhán O'Connor",
                                   email: "siobhan.oconnor@department-of-agriculture.example.ie",
                                   website: "https://www.example.ie/people/siobhan-oconnor?ref=addressbook&lang=ga",
                                   company: "Roinn Talmhaíochta, Bia agus Mara",
                                   telephone: "+353 1 607 2000" })] }
        ]
    }

    function test_foreignCards(data) {
        compareRecords(reader.parseVCard(data.text), data.expected)
    }
}
