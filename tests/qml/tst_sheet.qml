import QtQuick 2.7
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

// The installation sheet window, opened from its button in the options panel.
Item {
    id: root
    width: 950
    height: 550

    Component {
        id: screenComponent
        MainScreenCombined {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "Sheet"
        when: windowShown

        property var screen: null
        property var options: null
        property var sheetWindow: null

        function initTestCase() {
            Controller.setStaticUBs(0, true)
            screen = screenComponent.createObject(root)
            verify(screen !== null)
            options = screen.optionsForm
        }

        function cleanupTestCase() {
            if (sheetWindow)
                sheetWindow.close()
            Controller.setStaticUBs(0, true)
            Controller.resetDynamicUBs(true)
            screen.visible = false
        }

        // Left of the help icon, in its row, at its size; the row keeps its
        // other controls where they were.
        function test_buttonPlacement() {
            var icon = options.sheetIconArea.parent
            var help = options.helpIconArea.parent
            compare(icon.width, 25)
            compare(icon.height, 25)
            compare(icon.parent, help.parent)
            compare(icon.y, help.y)
            verify(icon.x + icon.width <= help.x)
            verify(help.x - (icon.x + icon.width) <= 10)
            verify(icon.x > options.serialNumberLabel.x + options.serialNumberLabel.width)
        }

        function test_opensAndFollowsThePlan() {
            mouseClick(options.sheetIconArea)
            sheetWindow = options.sheetWindow
            verify(sheetWindow !== null)
            tryCompare(sheetWindow, "visible", true)
            compare(sheetWindow.title, "Installation sheet")
            verify(sheetWindow.picture.width > 0)
            tryVerify(function () { return sheetWindow.picture.height > 0 })
            tryVerify(function () { return sheetWindow.words.height > 0 })
            var before = sheetWindow.words.height
            // Three static UBs add their table to the words.
            Controller.setStaticUBs(3, true)
            tryVerify(function () { return sheetWindow.words.height > before })
            // Clicking again shows the same window.
            mouseClick(options.sheetIconArea)
            compare(options.sheetWindow, sheetWindow)
        }

        function test_saveButtons() {
            var window = options.openSheetWindow()
            verify(window !== null)
            compare(window.savePdfButton.text, "Save as PDF…")
            compare(window.savePictureButton.text, "Save picture…")
            verify(window.pdfDialog.saving)
            verify(window.pictureDialog.saving)
        }
    }
}
