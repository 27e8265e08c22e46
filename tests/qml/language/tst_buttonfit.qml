import QtQuick 2.7
import QtTest 1.1
import "qrc:/"

// Every button shows its whole text at the window's minimum size, under the
// catalogue of the run (and under the source texts in the plain run).
TestCase {
    id: testCase
    name: "ButtonFit"
    when: windowShown

    property var window: null
    property var options: null

    TextMetrics {
        id: metrics
    }

    function initTestCase() {
        var component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        tryCompare(window, "visible", true)
        compare(window.width, window.minimumWidth)
        compare(window.height, window.minimumHeight)
        options = window.mainScreen.optionsForm
    }

    function cleanupTestCase() {
        if (window)
            window.close()
    }

    function test_wholeText_data() {
        return [
            { tag: "static UBs", control: "assignStaticButton" },
            { tag: "reset dynamic UBs", control: "resetDynamicButton" },
            { tag: "test on device", control: "saveToDeviceButton" },
            { tag: "save on device", control: "saveToRomButton" },
            { tag: "read from device", control: "readFromDeviceButton" },
            { tag: "compare with device", control: "compareButton" },
            { tag: "save to file", control: "saveToFileButton" },
            { tag: "read from file", control: "readFromFileButton" }
        ]
    }

    // The lines a text needs when it wraps at blanks within `room`.
    function linesNeeded(text, room) {
        var words = text.split(" ")
        var lines = 1
        var current = ""
        for (var i = 0; i < words.length; ++i) {
            metrics.text = current === "" ? words[i] : current + " " + words[i]
            if (metrics.advanceWidth <= room || current === "") {
                current = metrics.text
            } else {
                ++lines
                current = words[i]
            }
        }
        return lines
    }

    // Measured with the button's own font against the room inside its
    // padding: every word fits the width, a label that does not wrap fits it
    // whole, and the lines a wrapping label needs fit the button's height.
    function test_wholeText(data) {
        var button = options[data.control]
        var label = button.contentItem
        waitForRendering(button)
        verify(button.text.length > 0)
        metrics.font = button.font
        var room = button.availableWidth
        verify(room > 0)
        var words = button.text.split(" ")
        for (var i = 0; i < words.length; ++i) {
            metrics.text = words[i]
            verify(metrics.advanceWidth <= room, words[i] + " is " + metrics.advanceWidth + " wide, room " + room)
        }
        var wraps = label.wrapMode !== undefined && label.wrapMode !== Text.NoWrap
        metrics.text = button.text
        if (!wraps) {
            verify(metrics.advanceWidth <= room, button.text + " is " + metrics.advanceWidth + " wide, room " + room)
            return
        }
        var lines = linesNeeded(button.text, room)
        verify(lines <= label.maximumLineCount, button.text + " needs " + lines + " lines")
        verify(lines * metrics.height <= button.availableHeight + 1,
               button.text + " needs " + lines * metrics.height + " of " + button.availableHeight)
        verify(!label.truncated, button.text + " is cut")
        compare(label.lineCount, lines)
    }

    // Where the window's pop-ups are drawn: its overlay, found from its root
    // item, which both Qt versions give the same way.
    function popupLayer() {
        return window.contentItem.parent
    }

    // A visible item below `item` whose text is `text`.
    function findText(item, text) {
        if (!item)
            return false
        if (item.visible && item.text === text)
            return true
        for (var i = 0; i < item.children.length; ++i) {
            if (findText(item.children[i], text))
                return true
        }
        return false
    }

    // The sheet button's tooltip, in the language of the run.
    function test_sheetTooltip() {
        var expected = testLanguage === "de" ? "Installationsblatt anzeigen" : "Show the installation sheet"
        mouseMove(options.sheetIconArea, 5, 5)
        tryVerify(function () { return options.sheetIconArea.containsMouse }, 2000, "not hovered")
        tryVerify(function () { return findText(popupLayer(), expected) }, 3000, "no tooltip " + expected)
        mouseMove(window.mainScreen.mainScreenForm, 5, 5)
        tryVerify(function () { return !findText(popupLayer(), expected) }, 3000)
    }

    // Taller buttons must not push the panel's rows out of the window.
    function test_panelFits() {
        var bottom = options.readFromFileButton.mapToItem(window.contentItem, 0,
                                                          options.readFromFileButton.height).y
        verify(bottom <= window.height, "the last row ends at " + bottom)
        compare(options.assignStaticButton.height, options.saveToFileButton.height)
    }
}
