import QtQuick
import QtTest
import content

// Every image the interface names is in the resources and decodes.
Item {
    id: suite

    readonly property string base: "qrc:/qt/qml/content/resources/images/"
    readonly property var names: [
        "logo.png", "logo-24.png", "wifi-off.png", "search-64.png",
        "menus/home.png", "menus/accounts.png", "menus/address-lists.png", "menus/search.png",
        "menus/templates.png", "menus/about.png", "menus/contact.png",
        "statusbar/account.png", "statusbar/save.png", "statusbar/load.png", "statusbar/settings.png",
        "flags/16x16/en.png", "flags/16x16/fr.png",
        "windows/minimize.png", "windows/maximize.png", "windows/restore.png", "windows/close.png",
        "icons/plus.png", "icons/copy.png", "icons/delete.png", "icons/play.png", "icons/warning.png",
        "icons/html-file.png", "icons/info.png"
    ]

    Repeater {
        id: images

        model: suite.names
        delegate: Image {
            required property string modelData
            source: suite.base + modelData
            asynchronous: false
        }
    }

    TestCase {
        name: "Images"

        function test_everyNamedImageLoads() {
            compare(images.count, suite.names.length)
            for (let i = 0; i < images.count; ++i) {
                const image = images.itemAt(i)
                compare(image.status, Image.Ready, image.source)
                verify(image.sourceSize.width >= 16, image.source)
            }
        }

        function test_flagsAreSixteenPixels() {
            for (let i = 0; i < images.count; ++i) {
                const image = images.itemAt(i)
                if (String(image.source).indexOf("flags/16x16/") >= 0)
                    compare(image.sourceSize, Qt.size(16, 16))
            }
        }
    }
}
