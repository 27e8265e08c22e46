import QtQuick 2.7
import QtQuick.Controls 2.2
import QtQuick.Window 2.2
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

// Dialogs and message boxes with the keyboard alone: Enter, Escape, the
// focus on opening, Tab, and copying a message.
Item {
    id: root
    width: 400
    height: 300

    MessageBox {
        id: message
        title: "Error"
        text: "The file /tmp/plan.dat cannot be read (Permission denied)."
        critical: true
    }

    TextMetrics {
        id: metrics
    }

    MessageBox {
        id: question
        title: "Warning"
        text: "Go on?"
        cancelable: true
    }

    DialogWindow {
        id: form
        title: "Form"
        cancelable: true

        TextField {
            id: firstField
        }

        CheckBox {
            id: secondField
            text: "second"
        }
    }

    TextEdit {
        id: pasteTarget
        visible: false
    }

    SignalSpy {
        id: acceptedSpy
        signalName: "accepted"
    }

    SignalSpy {
        id: rejectedSpy
        signalName: "rejected"
    }

    Component {
        id: screenComponent
        MainScreenCombined {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "DialogKeys"
        when: windowShown

        function openAndWatch(dialog) {
            acceptedSpy.target = dialog
            rejectedSpy.target = dialog
            acceptedSpy.clear()
            rejectedSpy.clear()
            dialog.open()
            waitUntilReady(dialog)
        }

        function waitUntilReady(dialog) {
            tryCompare(dialog, "active", true, 5000)
            // A window shown for the first time gets its focus item a moment later.
            tryVerify(function () { return dialog.activeFocusItem !== null }, 3000)
            // Keys go to the window that has the focus: the dialog, not the
            // one closed before it.
            tryVerify(function () { return Qt.application.state === Qt.ApplicationActive }, 3000)
            waitForRendering(dialog.contentItem, 3000)
        }

        function cleanup() {
            [message, question, form].forEach(function (dialog) { dialog.visible = false })
        }

        function test_keys_data() {
            return [
                { tag: "message, keypad Enter", dialog: "message", key: Qt.Key_Enter, accepted: 1, rejected: 0 },
                { tag: "message, Escape acts as OK", dialog: "message", key: Qt.Key_Escape, accepted: 1, rejected: 0 },
                { tag: "question, Escape", dialog: "question", key: Qt.Key_Escape, accepted: 0, rejected: 1 },
                { tag: "form, Enter in a field", dialog: "form", key: Qt.Key_Return, accepted: 1, rejected: 0 },
                { tag: "question, Enter on Cancel", dialog: "question", key: Qt.Key_Return, accepted: 0, rejected: 1,
                  backTab: true },
            ]
        }

        function test_keys(data) {
            var dialog = { "message": message, "question": question, "form": form }[data.dialog]
            openAndWatch(dialog)
            if (data.backTab)
                keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            keyClick(data.key)
            tryCompare(dialog, "visible", false, 3000)
            compare(acceptedSpy.count, data.accepted)
            compare(rejectedSpy.count, data.rejected)
        }

        function test_focusAndTabOrder() {
            openAndWatch(form)
            verify(firstField.activeFocus, "the first field has no focus")
            var order = [secondField, form.cancelButton, form.okButton, firstField]
            for (var i = 0; i < order.length; ++i) {
                keyClick(Qt.Key_Tab)
                verify(order[i].activeFocus, "Tab " + (i + 1) + " missed " + order[i])
            }
            // Without a field, OK has the focus.
            form.close()
            openAndWatch(message)
            verify(message.okButton.activeFocus)
        }

        // Dialogs and the windows made on demand: none outlives the main window.
        function test_belongsToTheWindow() {
            verify(root.Window.window !== null)
            compare(message.transientParent, root.Window.window)
            var screen = screenComponent.createObject(root)
            var compareWindow = screen.optionsForm.openCompareWindow(["The switch holds this plan."])
            compare(compareWindow.transientParent, root.Window.window)
            compareWindow.close()
            // So is a dialog made when first opened.
            mouseClick(screen.optionsForm.helpIconArea)
            var help = screen.optionsForm.helpDialog
            tryCompare(help, "visible", true)
            compare(help.transientParent, root.Window.window)
            help.close()
            screen.destroy()
        }

        // A message is as wide as its text up to 420 (not a narrow column),
        // and Ctrl+C copies all of it, or what is selected.
        function test_copyWholeMessage() {
            openAndWatch(message)
            // As wide as its text up to 420 px, not wrapped into a narrow column.
            metrics.font = message.messageText.font
            metrics.text = message.text
            var wanted = Math.min(420, metrics.advanceWidth)
            verify(message.messageText.width >= wanted - 1, "only " + message.messageText.width + " of " + wanted)
            keyClick(Qt.Key_C, Qt.ControlModifier)
            pasteTarget.text = ""
            pasteTarget.paste()
            compare(pasteTarget.text, message.text)
            message.messageText.select(9, 22)
            message.messageText.forceActiveFocus()
            keyClick(Qt.Key_C, Qt.ControlModifier)
            pasteTarget.text = ""
            pasteTarget.paste()
            compare(pasteTarget.text, "/tmp/plan.dat")
        }

        // Tab from the band list reaches every control of the panel in
        // reading order.
        function test_mainWindowTabOrder() {
            var screen = screenComponent.createObject(root)
            var options = screen.optionsForm
            Device.deviceFound("SN:01332251")
            var expected = [options.siteIconArea, options.supportReportIconArea, options.satelliteDataIconArea, options.sheetIconArea,
                            options.helpIconArea, options.assignStaticButton, options.resetDynamicButton, options.lnb1Box, options.lnb2Box, options.tPathActiveBox,
                            options.lteFilterBox, options.standByBox, options.saveToDeviceButton,
                            options.saveToRomButton, options.readFromDeviceButton, options.compareButton,
                            options.saveToFileButton, options.readFromFileButton]
            var item = screen.mainScreenForm.uBListView1.listView
            var next = 0
            for (var steps = 0; steps < 200 && next < expected.length; ++steps) {
                item = item.nextItemInFocusChain(true)
                if (item === expected[next])
                    ++next
                else
                    verify(expected.indexOf(item) < 0, "out of order: " + item + " before " + expected[next])
            }
            compare(next, expected.length)
            Device.deviceMissing()
            screen.destroy()
        }
    }
}
