import QtQuick 2.7
import QtQuick.Controls 2.2
import QtQuick.Window 2.2
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

// "Site…" with the keyboard, and the line beside the serial number naming
// the connected switch's entry of the open site.
Item {
    id: root
    width: 950
    height: 550

    MainScreenCombined {
        id: screen
        anchors.fill: parent
    }

    TestCase {
        name: "Site"
        when: windowShown

        readonly property var options: screen.optionsForm
        // Markup in a label is shown as the characters it holds.
        readonly property string label: "<b>Stairwell A</b>, cellar"

        function openSiteWithConnectedSwitch() {
            Device.deviceFound("SN:01332251")
            var url = testHelper.writeSiteFile("house.fsite", label, Device.serialNumber)
            verify(url !== "")
            compare(Site.openSite(url), "")
        }

        function cleanup() {
            if (options.siteDialog)
                options.siteDialog.visible = false
            Device.deviceMissing()
            Site.closeSite()
        }

        function test_lineNamesTheConnectedSwitchsEntry() {
            compare(options.siteEntryLabel.text, "")
            openSiteWithConnectedSwitch()
            compare(options.siteEntryLabel.text, label)
            compare(options.siteEntryLabel.textFormat, Text.PlainText)
            Device.deviceMissing()
            compare(options.siteEntryLabel.text, "")
        }

        function test_keyboard() {
            openSiteWithConnectedSwitch()
            options.forceActiveFocus()
            keyClick(Qt.Key_O, Qt.ControlModifier | Qt.ShiftModifier)
            tryVerify(function () { return options.siteDialog !== null && options.siteDialog.visible }, 5000)
            var dialog = options.siteDialog
            tryCompare(dialog, "active", true, 5000)
            tryVerify(function () { return dialog.activeFocusItem !== null }, 3000)
            var form = dialog.form
            compare(form.nameField.text, "Test house")
            compare(form.noteField.text, "Back door, key at number 3")
            compare(form.entryList.currentIndex, 0)
            verify(form.connectedButton.enabled)
            form.labelField.text = "Stairwell B"
            var expected = [form.openButton, form.newButton, form.nameField, form.noteField, form.entryList,
                            form.onScreenButton, form.connectedButton, form.replaceButton, form.removeButton,
                            form.labelField, form.addButton, form.renameButton, dialog.okButton]
            var reached = []
            for (var i = 0; i < 30 && reached.length < expected.length; ++i) {
                // The list hands its focus on to the chosen row.
                for (var item = dialog.activeFocusItem; item; item = item.parent) {
                    if (expected.indexOf(item) >= 0 && reached.indexOf(item) < 0)
                        reached.push(item)
                }
                keyClick(Qt.Key_Tab)
            }
            var missed = expected.filter(function (item) { return reached.indexOf(item) < 0 })
            compare(missed.length, 0, "Tab missed " + missed.map(function (item) { return item.objectName || item }))
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false, 3000)
        }

        // The plan on screen is replaced only after a question; No keeps it.
        function test_putOnScreenAsksFirst() {
            openSiteWithConnectedSwitch()
            Controller.setStaticUBs(3, true)
            var before = Plan.staticUbsAvailable
            verify(before)
            mouseClick(options.siteIconArea)
            tryVerify(function () { return options.siteDialog !== null && options.siteDialog.visible }, 5000)
            var dialog = options.siteDialog
            tryCompare(dialog, "active", true, 5000)
            mouseClick(dialog.form.connectedButton)
            tryVerify(function () { return dialog.question !== null && dialog.question.visible }, 5000)
            verify(dialog.question.text.indexOf(label) >= 0)
            dialog.question.reject()
            verify(Plan.staticUbsAvailable)
            mouseClick(dialog.form.connectedButton)
            tryVerify(function () { return dialog.question.visible }, 5000)
            dialog.question.accept()
            verify(!Plan.staticUbsAvailable)
            compare(dialog.form.problemLabel.text, "")
        }
    }
}
