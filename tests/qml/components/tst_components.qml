import QtQuick
import QtTest
import Parvane
import content

Item {
    id: scene
    width: 600
    height: 500

    Component { id: managerComponent; ToastManager {} }
    Component { id: confirmComponent; MyConfirmationDialog {} }
    Component { id: rowComponent; MyProgressBarColunmLayout { width: 300 } }
    Component { id: stackComponent; MyStackView { anchors.fill: parent } }
    Component { id: pageComponent; Rectangle { width: 100; height: 100 } }
    Component { id: tagComponent; MyTag { text: "offer.pdf" } }
    Component { id: buttonComponent; MyButton {} }
    Component { id: statusComponent; MyStatusbarButton {} }
    Component { id: closeComponent; MyCloseIconButton {} }
    Component { id: comboComponent; MyComboBox { textRole: "name" } }

    TestCase {
        name: "Components"
        when: windowShown

        function findChild(item, objectName) {
            if (!item)
                return null
            if (item.objectName === objectName)
                return item
            const kids = item.children ? item.children : []
            for (let i = 0; i < kids.length; ++i) {
                const found = findChild(kids[i], objectName)
                if (found)
                    return found
            }
            return null
        }

        function test_constants() {
            compare(Constants.currentVersion, "2.1.1")
            compare(Constants.mailsPs, [0.0016667, 0.003334, 0.00555567, 0.016667, 1, 5, 10])
            compare(Constants.languages.length, 2)
            compare(Constants.languages[0].key, "en_EN")
            compare(Constants.languages[1].lang, "Français")
            compare(Constants.languages[1].icon, "fr.png")
            compare(Constants.errorColor, Qt.color("#ad3835"))
            compare(Constants.secondaryColor, Qt.color("#2196F3"))
        }

        function test_toast_order_and_styles() {
            const manager = createTemporaryObject(managerComponent, scene, { dangerStyle: true })
            compare(manager.toastColor, Constants.errorColor)
            manager.show("first", 2000)
            manager.show("second", 2000)
            compare(manager.count, 2)
            tryVerify(function() { return manager.itemAtIndex(1) !== null })
            const newer = manager.itemAtIndex(0)
            const older = manager.itemAtIndex(1)
            compare(newer.text, "second")
            compare(older.text, "first")
            // The newest lies at the bottom, 10 px above the parent's edge.
            verify(newer.y > older.y)
            // Opaque: nothing beneath shows through.
            tryCompare(newer, "opacity", 1, 1000)
            const bottom = newer.mapToItem(scene, 0, newer.height).y
            verify(Math.abs(bottom - (scene.height - 10)) < 1.5, "bottom at " + bottom)
            compare(newer.color, Constants.errorColor)

            const success = createTemporaryObject(managerComponent, scene, { successStyle: true, dangerStyle: true })
            compare(success.toastColor, Constants.successDarkColor)
            const plain = createTemporaryObject(managerComponent, scene)
            compare(plain.toastColor, Constants.primaryLigthColor)
        }

        function test_toast_minimum_and_default_duration() {
            const manager = createTemporaryObject(managerComponent, scene)
            manager.show("default")
            manager.show("zero", 0)
            tryVerify(function() { return manager.itemAtIndex(1) !== null })
            compare(manager.model.get(0).duration, 5000)
            compare(manager.model.get(1).duration, 5000)
            compare(manager.itemAtIndex(0).displayTime, 5000)

            const quick = createTemporaryObject(managerComponent, scene)
            const start = Date.now()
            quick.show("short", 100)
            tryVerify(function() { return quick.itemAtIndex(0) !== null })
            compare(quick.itemAtIndex(0).displayTime, 600)
            tryCompare(quick, "count", 0, 3000)
            const elapsed = Date.now() - start
            verify(elapsed >= 580, "gone after " + elapsed + " ms")
            verify(elapsed < 1500, "gone after " + elapsed + " ms")
        }

        function test_confirmation_twice() {
            const dialog = createTemporaryObject(confirmComponent, scene, { message: "Delete?" })
            let changes = 0
            dialog.confirmedChanged.connect(function() { ++changes })
            for (let i = 1; i <= 2; ++i) {
                dialog.open()
                tryCompare(dialog, "opened", true)
                const button = findChild(dialog.contentItem, "confirmButton")
                verify(button)
                mouseClick(button)
                tryCompare(dialog, "visible", false)
                compare(changes, i)
            }
            compare(dialog.confirmed, false)
            // "Close" hides the dialog without confirming.
            dialog.open()
            tryCompare(dialog, "opened", true)
            mouseClick(findChild(dialog.contentItem, "closeButton"))
            tryCompare(dialog, "visible", false)
            compare(changes, 2)
        }

        function test_progress_rows() {
            const row = createTemporaryObject(rowComponent, scene, { label: "Sent", value: 3, total: 4 })
            const bar = row.children[1]
            compare(bar.labelText, "75%")
            compare(row.finished, false)
            row.finishText = "Finished"
            row.value = 4
            compare(row.finished, true)
            compare(bar.labelText, "Finished")
            row.finishText = ""
            compare(bar.labelText, "100%")
            row.value = 0
            row.total = 0
            compare(bar.value, 0)
            compare(bar.labelText, "0%")
            compare(row.finished, false)
            row.progressColor = Constants.successColor
            compare(row.textColor, Constants.successColor)
        }

        function test_stack_fade() {
            const stack = createTemporaryObject(stackComponent, scene)
            compare(stack.fadeDuration, 500)
            stack.push(pageComponent)
            tryCompare(stack, "busy", false)
            const start = Date.now()
            const second = stack.push(pageComponent)
            verify(stack.busy)
            wait(200)
            verify(second.opacity > 0 && second.opacity < 1, "opacity " + second.opacity)
            tryCompare(stack, "busy", false, 2000)
            verify(Date.now() - start >= 450)
            compare(second.opacity, 1)
        }

        function test_tag_signals() {
            const tag = createTemporaryObject(tagComponent, scene, { removable: true })
            let removed = 0
            let clicked = 0
            tag.removed.connect(function() { ++removed })
            tag.clicked.connect(function() { ++clicked })
            const close = tag.children[2]
            verify(close.visible)
            mouseClick(close)
            compare(removed, 1)
            compare(clicked, 0)
            tag.checkable = true
            mouseClick(tag, 5, tag.height / 2)
            compare(clicked, 1)
            // The owner, not the tag, decides the checked state.
            compare(tag.checked, false)
        }

        function test_button_sizes_and_styles() {
            const small = createTemporaryObject(buttonComponent, scene, { text: "Ok" })
            compare(small.height, 30)
            compare(small.width, 100)
            const wide = createTemporaryObject(buttonComponent, scene, {
                text: "A much longer button caption", smBtn: false, dangerStyle: true, secondaryStyle: true })
            compare(wide.height, 40)
            verify(wide.width > 100)
            compare(wide.width, wide.contentItem.implicitWidth + 20)
            compare(wide.backgroundColor, Constants.errorColor)
            wide.enabled = false
            compare(wide.backgroundColor, Constants.primaryLigthColor)
            // One symbol outside the basic plane still makes a square button.
            const close = createTemporaryObject(closeComponent, scene)
            compare(close.width, close.height)
            const status = createTemporaryObject(statusComponent, scene, { text: "No active account" })
            verify(status.width > status.height)
        }

        function test_combo_box_models() {
            const combo = createTemporaryObject(comboComponent, scene, {
                model: [{ "name": "France" }, { "name": "Canada" }] })
            compare(combo.displayText, "France")
            combo.popup.open()
            tryCompare(combo.popup, "opened", true)
            combo.popup.close()
        }
    }
}
